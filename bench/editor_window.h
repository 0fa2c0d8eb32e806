#pragma once
// The editor window as the benchmarks use it: shown on the program folder that
// `make bench` lays out (on the X display when there is one), the editor named
// the program's main window so that the level chooser answers into it, with the
// recording doubles in place of message boxes, cursor and modal loop.
#include "bench_window.h"
#include "editor/frm_haupt.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace bench {

class ShownEditor {
    // First, so the doubles are in place before the window loads.
    BenchServices services_;
    QTemporaryDir levels_;

public:
    ShownEditor();
    ~ShownEditor();
    ShownEditor(const ShownEditor&) = delete;
    ShownEditor& operator=(const ShownEditor&) = delete;

    pendix::editor::frmHaupt& window;
    QString linkedBoardLevel;  // every cell a tile, links, start and end
    test_support::ScriptedModalLoop& modal() { return services_.modal; }

    // The message boxes shown so far, one line each (a benchmark that fails names them).
    std::string messages() const;
};

// Every file the editor's LoadLevel reads for `levelPath`: the level and each picture, in its order.
std::vector<std::string> filesReadByEditorLoad(const QString& levelPath);

// Watches, from its making on, for the paint of the top-level window with a
// caption, as the first-paint probe does: the window may not exist yet.
class WindowPaintWatch : public QObject {
public:
    explicit WindowPaintWatch(QString caption);
    ~WindowPaintWatch() override;
    // Until the window has been painted and what it painted is on the screen;
    // false when no paint came within a few seconds.
    bool wait();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString caption_;
    bool painted_ = false;
};

}  // namespace bench
