#pragma once
// The base of every window. A window class derives from Form, declares its
// controls as members, describes them in design() and handles their events:
//
//     class frmInfo : public platform::Form {
//     public:
//         frmInfo() { cmdOk.onClick = [this] { unload(); }; }
//         platform::CommandButton cmdOk;
//     protected:
//         void design() override {
//             setCaption("Info");
//             setClientSize(6135, 8655);
//             place(cmdOk, {2520, 7920, 1095, 375});
//             cmdOk.setCaption("OK");
//         }
//     };
//
// Loading creates the window and calls design() on every load, so every load
// starts from the design values; unloading destroys the window and its widgets
// but keeps the form object with its own variables. Each window class has one
// instance, platform::instance<F>() (application.h).
//
// A control of an unloaded form keeps its last values: reading it is safe, and
// writing it changes only the stored value until the next load sets the design
// values again. Referencing a control never loads its form.
#include "platform/controls/geometry.h"
#include "platform/picture.h"

#include <QPointer>
#include <QString>

#include <vector>

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace platform {

class Control;
class Component;
class CommandButton;
class MenuItem;

namespace detail {
class FormWindow;
class ClientArea;
class KeyDispatcher;
}  // namespace detail

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // --- Life cycle -----------------------------------------------------------
    // Creates the window and its controls afresh (design(), then Form_Load); nothing when loaded.
    void load();
    // Loads when needed, then shows the window without waiting and brings it to the front.
    void show();
    // Loads when needed, then shows the window modally and returns once it is
    // hidden or unloaded. Every loaded window's timers keep ticking meanwhile.
    // Runs through services().modalLoop(), so tests script the user instead.
    void showModal();
    void hide();
    // Form_Unload may cancel; otherwise the window and its widgets go, the object stays.
    void unload();
    bool isLoaded() const { return loaded_; }
    // The window is shown (its Visible property).
    bool isVisible() const { return visible_; }

    // --- Properties: back to their defaults at every load, then set by design() --
    const QString& caption() const { return props_.caption; }
    void setCaption(const QString& caption);
    const Picture& icon() const { return props_.icon; }
    void setIcon(const Picture& icon);
    const QString& tag() const { return props_.tag; }
    void setTag(const QString& tag) { props_.tag = tag; }
    // Size of the inner area in twips (without title bar, border and menu bar).
    int clientWidth() const { return props_.clientWidth; }
    int clientHeight() const { return props_.clientHeight; }
    void setClientSize(int widthTwips, int heightTwips);
    // On: every key typed while the window or any of its controls has the focus
    // reaches Form_KeyPress first; then the focused control gets it.
    bool keyPreview() const { return props_.keyPreview; }
    void setKeyPreview(bool on) { props_.keyPreview = on; }
    // A fixed border keeps the window at its size; the default border is sizable.
    bool fixedBorder() const { return props_.fixedBorder; }
    void setFixedBorder(bool fixed);
    // Opens in the centre of the screen.
    bool centered() const { return props_.centered; }
    void setCentered(bool centered) { props_.centered = centered; }
    // Whether Enter has a button to press on this form.
    bool hasDefaultButton() const { return defaultButton_ != nullptr; }

    // The top-level Qt widget while loaded, else nullptr (tests drive it).
    QWidget* window() const;
    // The widget of the inner area, which the controls stand on.
    QWidget* clientArea() const;

protected:
    Form();

    // Describes the window: its properties, and every control with place(). Runs on every load.
    virtual void design() = 0;
    virtual void Form_Load() {}
    // Each time show() or showModal() brings the hidden window onto the screen, the
    // first showing after a load included (after Form_Load), just before it appears.
    virtual void Form_Show() {}
    // Before an unload (close box or unload()); a non-zero cancel keeps the form loaded.
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }
    // A mouse button released over the bare surface of the window, not over a control.
    virtual void Form_MouseUp(int button, int shift, double x, double y) {
        (void)button, (void)shift, (void)x, (void)y;
    }

    // Puts a control on the inner area with its default properties and returns it;
    // the design values follow. Later places lie above earlier ones.
    template <class C>
    C& place(C& control, const Rect& rect) {
        adopt(control, clientArea(), rect);
        return control;
    }
    // Timers, the common dialog and the multimedia control: no place on the surface.
    template <class C>
    C& place(C& component) {
        adopt(static_cast<Component&>(component));
        return component;
    }
    // Appends a menu (or a command) to the window's menu bar; its items follow with MenuItem::addItem.
    MenuItem& addMenu(MenuItem& menu);
    // Pops the items of a menu up at the mouse position; returns once the menu is closed.
    void popupMenu(MenuItem& menu);

private:
    friend class Band;
    friend class CommandButton;
    friend class TabStrip;
    friend class MenuItem;
    friend class detail::FormWindow;
    friend class detail::ClientArea;
    friend class detail::KeyDispatcher;

    void adopt(Control& control, QWidget* parent, const Rect& rect);
    // The same on a band, whose rectangle on the form is `band`; `rect` is on the form too.
    void adopt(Control& control, QWidget* parent, const Rect& rect, const Rect& band);
    void adopt(Component& component);
    void tearDown();
    void buildMenuBar();
    void applyWindowSize();
    void centerOnScreen();
    void previewKey(int& keyAscii);
    bool pressDialogButton(const QKeyEvent& event);
    void surfaceMouseUp(const QMouseEvent& event);
    void setDefaultButton(CommandButton* button, bool on);
    void setCancelButton(CommandButton* button, bool on);

    struct Props {
        QString caption;
        Picture icon;
        QString tag;
        int clientWidth = 4800;
        int clientHeight = 3600;
        bool keyPreview = false;
        bool fixedBorder = false;
        bool centered = false;
    };
    Props props_;
    QPointer<detail::FormWindow> window_;
    bool loaded_ = false;
    bool visible_ = false;
    bool shownSinceLoad_ = false;
    std::vector<Control*> controls_;
    std::vector<Component*> components_;
    std::vector<MenuItem*> menuBar_;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
};

}  // namespace platform
