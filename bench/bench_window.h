#pragma once
// The game window as the benchmarks use it: shown headless on the program folder
// that `make bench` lays out, with the recording doubles in place of message
// boxes, cursor and dialogs, but the real wave player, so a step costs what it
// costs in the game.
#include "game/frm_haupt.h"
#include "platform/services/qt_services.h"
#include "platform/services/test_services.h"

#include <QTemporaryDir>

#include <string>

namespace bench {

class BenchServices : public platform::ScopedTestServices {
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

    pendix::frmHaupt& window;
    QString fullBoardLevel;
    QString loopLevel;

    // ClearBoard and LoadLevel, as a level menu does.
    void load(const QString& level);
    // The message boxes shown so far, one line each (a benchmark that fails names them).
    std::string messages() const;
};

// The program folder the benchmarks read; false (with a note) when it holds no data.
bool useProgramFolder();

}  // namespace bench
