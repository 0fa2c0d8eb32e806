// Modal showing with a nested event loop; timers of all windows keep ticking in it.
#include "platform/controls/menu_item.h"
#include "platform/form.h"
#include "platform/form_window.h"
#include "qt_services.h"

#include <QCursor>
#include <QEventLoop>
#include <QMenu>

namespace platform {

void QtModalLoop::runModal(Form& form) {
    auto* window = static_cast<detail::FormWindow*>(form.window());
    if (!window) return;
    QPointer<detail::FormWindow> guard = window;
    if (window->isVisible()) window->hide();  // modality takes effect only on showing
    window->setWindowModality(Qt::ApplicationModal);

    QEventLoop loop;
    QObject::connect(window, &detail::FormWindow::hidden, &loop, &QEventLoop::quit);
    form.show();
    if (form.isLoaded() && form.isVisible()) loop.exec(QEventLoop::DialogExec);
    if (guard) guard->setWindowModality(Qt::NonModal);
}

void QtModalLoop::popupMenu(MenuItem& menu) {
    if (QMenu* items = menu.menu()) items->exec(QCursor::pos());
}

}  // namespace platform
