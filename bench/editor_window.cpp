#include "editor_window.h"

#include "bench_levels.h"
#include "editor/rules/loaded_level.h"
#include "platform/application.h"
#include "platform/main_form.h"
#include "platform/paths.h"
#include "probe/window_system_sync.h"
#include "shared/level_file/level_file_io.h"
#include "shared/level_format/level_lines.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace bench {
namespace {

pendix::editor::frmHaupt& shownEditor() {
    platform::setMainForm<pendix::editor::frmHaupt>();
    auto& window = platform::instance<pendix::editor::frmHaupt>();
    window.show();
    return window;
}

constexpr int kPaintTimeoutMs = 5000;

}  // namespace

ShownEditor::ShownEditor() : window(shownEditor()), linkedBoardLevel(writeLinkedBoardLevel(levels_.path())) {
    paintAndSync();
}

ShownEditor::~ShownEditor() {
    platform::dropInstances();
    platform::Application::current().setMainFormAccess({});
}

std::string ShownEditor::messages() const {
    std::string all;
    for (const auto& shown : services_.messages.shown) all += shown.text.simplified().toStdString() + "; ";
    return all;
}

std::vector<std::string> filesReadByEditorLoad(const QString& levelPath) {
    std::vector<std::string> files{platform::resolvePath(levelPath).toStdString()};
    const auto read = pendix::readLevelLines(pendix::readLevelFileLines(levelPath).lines);
    const auto loaded = pendix::editor::loadedLevel(read.level);
    const auto add = [&files](const std::string& picture) {
        if (!picture.empty()) files.push_back(platform::resolveDataPath(picture).toStdString());
    };
    for (const auto& cell : loaded.cells) add(cell.picture);
    for (const auto& target : loaded.targets) add(target.picture);
    add(loaded.carPicture);
    add(loaded.endMarker);
    return files;
}

WindowPaintWatch::WindowPaintWatch(QString caption) : caption_(std::move(caption)) {
    QCoreApplication::instance()->installEventFilter(this);
}

WindowPaintWatch::~WindowPaintWatch() { QCoreApplication::instance()->removeEventFilter(this); }

bool WindowPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (painted_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    if (widget->isWindow() && widget->windowTitle() == caption_) painted_ = true;
    return false;
}

bool WindowPaintWatch::wait() {
    // The window is painted first and its children after it in the same pass,
    // which ends with the flush to the server: the loop runs that pass out.
    QElapsedTimer waited;
    waited.start();
    QTimer wake;  // so that a paint that never comes ends the wait all the same
    wake.start(50);
    while (!painted_ && waited.elapsed() < kPaintTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    syncWithWindowSystem();
    return painted_;
}

}  // namespace bench
