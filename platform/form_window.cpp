#include "form_window.h"

#include "platform/form.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace platform::detail {

void ClientArea::mousePressEvent(QMouseEvent* event) { event->accept(); }

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (form) form->surfaceMouseUp(*event);
}

FormWindow::FormWindow(Form& form) : form_(&form), client_(new ClientArea(this)) {
    client_->form = &form;
    setCentralWidget(client_);
}

void FormWindow::disown() {
    form_ = nullptr;
    client_->form = nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (!form_) {  // the form is being unloaded and closes its window itself
        event->accept();
        return;
    }
    // The close box asks the form; an unload that goes ahead closes the window again, disowned.
    event->ignore();
    form_->unload();
}

void FormWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous()) emit hidden();
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (form_ && form_->pressDialogButton(*event)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

}  // namespace platform::detail
