#include "form.h"

#include "platform/controls/band.h"
#include "platform/controls/command_button.h"
#include "platform/controls/component.h"
#include "platform/controls/control.h"
#include "platform/controls/menu_item.h"
#include "platform/form_window.h"
#include "platform/services/services.h"
#include "platform/start_phases.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>

namespace platform {

Form::Form() = default;

Form::~Form() {
    // The controls (members of the derived class) are gone already and have taken
    // their widgets with them; what is left is the window itself.
    if (window_) {
        window_->disown();
        delete window_.data();
    }
}

QWidget* Form::window() const { return window_.data(); }

QWidget* Form::clientArea() const { return window_ ? window_->client() : nullptr; }

void Form::load() {
    if (loaded_) return;
    markStartPhase("window");
    props_ = Props{};
    defaultButton_ = cancelButton_ = nullptr;
    window_ = new detail::FormWindow(*this);
    // The standard font once for all controls, which inherit it.
    window_->client()->setFont(toQFont(Font{}));
    loaded_ = true;
    visible_ = false;
    shownSinceLoad_ = false;

    design();
    buildMenuBar();
    window_->setWindowTitle(props_.caption);
    if (!props_.icon.isEmpty()) window_->setWindowIcon(props_.icon.icon());
    applyWindowSize();
    markStartPhase("controls");

    Form_Load();
    markStartPhase("loaded");
}

void Form::show() {
    if (!loaded_) load();
    if (!loaded_) return;  // Form_Load unloaded it again
    if (!visible_) {
        Form_Show();
        if (!loaded_) return;  // it unloaded itself
    }
    if (!shownSinceLoad_ && props_.centered) centerOnScreen();
    shownSinceLoad_ = true;
    visible_ = true;
    window_->show();
    window_->raise();
    window_->activateWindow();
    markStartPhase("shown");
}

void Form::showModal() {
    if (!loaded_) load();
    if (!loaded_) return;
    services().modalLoop().runModal(*this);
}

void Form::hide() {
    visible_ = false;
    if (window_) window_->hide();
}

void Form::unload() {
    if (!loaded_) return;
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel != 0 || !loaded_) return;
    tearDown();
}

void Form::tearDown() {
    loaded_ = false;
    visible_ = false;
    for (Control* control : controls_) control->detach();
    for (Component* component : components_) component->detach();
    for (MenuItem* menu : menuBar_) menu->detach();
    controls_.clear();
    components_.clear();
    menuBar_.clear();
    defaultButton_ = cancelButton_ = nullptr;

    // Deleted later: the unload may come from a handler of one of its own widgets.
    detail::FormWindow* window = window_.data();
    window_ = nullptr;
    window->disown();
    window->close();
    // From the window's own close event (its close box) Qt ignores the close: off the screen at once all the same.
    window->hide();
    window->deleteLater();
}

void Form::adopt(Control& control, QWidget* parent, const Rect& rect) { adopt(control, parent, rect, Rect{}); }

void Form::adopt(Control& control, QWidget* parent, const Rect& rect, const Rect& band) {
    if (!loaded_ || !parent) return;
    control.attach(*this, parent, rect, band);
    controls_.push_back(&control);
}

void Form::adopt(Component& component) {
    if (!loaded_) return;
    component.attach(*this);
    components_.push_back(&component);
}

MenuItem& Form::addMenu(MenuItem& menu) {
    if (loaded_) {
        menu.reset(this);
        menuBar_.push_back(&menu);
    }
    return menu;
}

void Form::buildMenuBar() {
    if (menuBar_.empty()) return;
    QMenuBar* bar = window_->menuBar();
    for (MenuItem* menu : menuBar_) menu->build(bar);
}

void Form::popupMenu(MenuItem& menu) {
    if (loaded_) services().modalLoop().popupMenu(menu);
}

void Form::setCaption(const QString& caption) {
    props_.caption = caption;
    if (window_) window_->setWindowTitle(caption);
}

void Form::setIcon(const Picture& icon) {
    props_.icon = icon;
    if (window_) window_->setWindowIcon(icon.icon());
}

void Form::setClientSize(int widthTwips, int heightTwips) {
    props_.clientWidth = widthTwips;
    props_.clientHeight = heightTwips;
    if (window_) applyWindowSize();
}

void Form::setFixedBorder(bool fixed) {
    props_.fixedBorder = fixed;
    if (window_) applyWindowSize();
}

void Form::applyWindowSize() {
    detail::ClientArea* client = window_->client();
    const QSize size(twipsToPixels(props_.clientWidth), twipsToPixels(props_.clientHeight));
    client->clientSize = size;
    if (props_.fixedBorder) {
        client->setFixedSize(size);
        window_->layout()->setSizeConstraint(QLayout::SetFixedSize);
        window_->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    } else {
        client->setMinimumSize(0, 0);
        client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        client->updateGeometry();
        window_->resize(window_->sizeHint());
    }
}

void Form::centerOnScreen() {
    QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window_->adjustSize();
    const QRect available = screen->availableGeometry();
    const QSize size = window_->frameGeometry().size();
    window_->move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void Form::previewKey(int& keyAscii) {
    if (props_.keyPreview) Form_KeyPress(keyAscii);
}

bool Form::pressDialogButton(const QKeyEvent& event) {
    const int key = event.key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter) {
        Control* focused = controlOf(window_->focusWidget());
        if (focused && focused->form() == this && focused->isButton()) {
            focused->click();
            return true;
        }
        if (defaultButton_) {
            defaultButton_->click();
            return true;
        }
    }
    if (key == Qt::Key_Escape && cancelButton_) {
        cancelButton_->click();
        return true;
    }
    return false;
}

void Form::surfaceMouseUp(const QMouseEvent& event) {
    QWidget* client = clientArea();
    if (!client) return;
    // A band is surface where no control of it lies.
    if (const QWidget* hit = client->childAt(event.position().toPoint()); hit && !hit->property(kBandProperty).toBool())
        return;
    const int button = mouseButtonCode(event.button());
    if (button == 0) return;
    Form_MouseUp(button, shiftCode(event.modifiers()), event.position().x() * kTwipsPerPixel,
                 event.position().y() * kTwipsPerPixel);
}

void Form::setDefaultButton(CommandButton* button, bool on) {
    if (on) {
        if (defaultButton_ && defaultButton_ != button) defaultButton_->clearDefault();
        defaultButton_ = button;
    } else if (defaultButton_ == button) {
        defaultButton_ = nullptr;
    }
}

void Form::setCancelButton(CommandButton* button, bool on) {
    if (on) {
        if (cancelButton_ && cancelButton_ != button) cancelButton_->clearCancel();
        cancelButton_ = button;
    } else if (cancelButton_ == button) {
        cancelButton_ = nullptr;
    }
}

}  // namespace platform
