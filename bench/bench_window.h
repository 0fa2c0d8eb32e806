#pragma once
// The game window as the benchmarks use it: shown on the program folder that
// `make bench` lays out (on the X display when there is one), with the recording
// doubles in place of message boxes, cursor and dialogs, but the real wave
// player, so a step costs what it costs in the game.
#include "game/frm_haupt.h"
#include "platform/services/qt_services.h"
#include "tests/support/test_services.h"

#include <QObject>
#include <QSet>
#include <QTemporaryDir>

#include <string>

namespace bench {

// An interval no benchmark lasts: the timer runs only when a benchmark calls it.
inline constexpr int kLongestInterval = 65535;

class BenchServices : public test_support::ScopedTestServices {
public:
    platform::WavePlayer& wavePlayer() override { return realWaves; }
    platform::QtWavePlayer realWaves;
};

// Shows the game window and writes the benchmark levels; removes both at the end.
class ShownGame {
    // First, so the doubles are in place before the window loads.
    BenchServices services_;
    QTemporaryDir levels_;

public:
    ShownGame();
    ~ShownGame();
    ShownGame(const ShownGame&) = delete;
    ShownGame& operator=(const ShownGame&) = delete;

    pendix::game::frmHaupt& window;
    QString fullBoardLevel;
    QString loopLevel;

    // ClearBoard and LoadLevel, as a level menu does.
    void load(const QString& level);
    // The message boxes shown so far, one line each (a benchmark that fails names them).
    std::string messages() const;
};

// Everything the window has to paint is painted and on the screen.
void paintAndSync();

// Counts the paint events of the window's tile buttons while it lives.
class PaintCount : public QObject {
public:
    explicit PaintCount(const pendix::game::frmHaupt& window);
    ~PaintCount() override;
    long buttons() const { return buttons_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<const QObject*> tileButtons_;
    long buttons_ = 0;
};

// The program folder the benchmarks read; false (with a note) when it holds no data.
bool useProgramFolder();

}  // namespace bench
