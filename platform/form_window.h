#pragma once
// Internal: the top-level Qt window of a loaded form and its inner area. They
// pass the window's own events (close box, Enter and Esc, a click on the bare
// surface) to the form, and forget it once the form is unloaded.
#include <QMainWindow>
#include <QWidget>

namespace platform {
class Form;
}

namespace platform::detail {

class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}
    QSize sizeHint() const override { return clientSize; }
    QSize clientSize;
    Form* form = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class FormWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit FormWindow(Form& form);
    Form* form() const { return form_; }
    ClientArea* client() const { return client_; }
    void disown();

signals:
    // The window was hidden by the program (not minimised): a modal showing ends.
    void hidden();

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Form* form_;
    ClientArea* client_;
};

}  // namespace platform::detail
