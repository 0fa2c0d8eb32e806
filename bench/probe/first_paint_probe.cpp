// Preloaded (LD_PRELOAD) into a Qt Widgets program by the start benchmark. When
// the top-level window with the title in PENDIX_FIRST_PAINT_WINDOW has been
// painted for the first time, and what was painted has reached the X server, it
// writes one report line to the pipe in PENDIX_FIRST_PAINT_FD, with the moments
// Qt began and that first paint began. It changes nothing in the program: it only
// watches its events.
#include "first_paint_report.h"
#include "window_system_sync.h"

#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <cstdlib>

namespace bench {
namespace {

int reportFd() {
    const char* fd = std::getenv(kProbeFdVariable);
    return fd ? std::atoi(fd) : -1;
}

FirstPaint describe(QWidget& window) {
    FirstPaint paint;
    paint.windowId = static_cast<std::uint64_t>(window.winId());
    paint.width = window.width();
    paint.height = window.height();
    if (auto* main = qobject_cast<QMainWindow*>(&window); main && main->centralWidget()) {
        const QPoint client = main->centralWidget()->mapTo(&window, QPoint(0, 0));
        paint.clientX = client.x();
        paint.clientY = client.y();
    }
    return paint;
}

class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(Moment qtBegun)
        : title_(QString::fromLocal8Bit(qgetenv(kProbeWindowVariable))), fd_(reportFd()), qtBegun_(qtBegun) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (reported_ || fd_ < 0 || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow() || widget->windowTitle() != title_) return false;
        reported_ = true;
        painting_ = now();
        // The window is painted first, its children after it in the same pass; the
        // pass ends with the flush to the server. Report once the loop is back.
        QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(widget)] {
            if (window) report(*window);
        });
        return false;
    }

private:
    void report(QWidget& window) {
        syncWithWindowSystem();
        FirstPaint paint = describe(window);
        paint.monotonicNs = monotonicNow();
        paint.cpuNs = processCpuNow();
        paint.qtBegun = qtBegun_;
        paint.painting = painting_;
        const std::string line = reportLine(paint);
        [[maybe_unused]] const ssize_t written = ::write(fd_, line.data(), line.size());
    }

    QString title_;
    int fd_;
    Moment qtBegun_;
    Moment painting_;
    bool reported_ = false;
};

}  // namespace
}  // namespace bench

// Runs inside the QApplication constructor, the same moment in every program;
// the macro wants a plain name.
static void watchFirstPaint() {
    const bench::Moment begun = bench::now();
    if (std::getenv(bench::kProbeFdVariable)) qApp->installEventFilter(new bench::FirstPaintWatch(begun));
}
Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
