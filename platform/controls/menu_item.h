#pragma once
// A menu of the window's menu bar, an item of a menu, or a command standing on
// the menu bar itself ("Ende!"). The structure is given in design():
//
//     addMenu(mnuLevel);            mnuLevel.setCaption("Level");
//     mnuLevel.addItem(mnuLevel1);  mnuLevel1.setCaption("Level 1"); mnuLevel1.setShortcut("F1");
//     addMenu(mnuEnde);             mnuEnde.setCaption("Ende!");   // no items: a command
//
// An entry with items opens them; one without is a command whose Click runs.
// A check mark appears only while Checked is on; choosing an item never
// changes Checked by itself (the handler does).
#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

namespace platform {

class Form;

class MenuItem {
public:
    MenuItem() = default;
    ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // Appends an item to this menu (in design(), after this menu itself was added).
    MenuItem& addItem(MenuItem& item);
    const std::vector<MenuItem*>& items() const { return items_; }

    // "&" marks an access key, as in "&Level".
    const QString& caption() const { return props_.caption; }
    void setCaption(const QString& caption);
    // "F1" … "F12", "Ctrl+G": Qt's portable key names.
    const QString& shortcut() const { return props_.shortcut; }
    void setShortcut(const QString& shortcut);
    bool checked() const { return props_.checked; }
    void setChecked(bool on);
    bool enabled() const { return props_.enabled; }
    void setEnabled(bool on);
    bool visible() const { return props_.visible; }
    void setVisible(bool on);

    std::function<void()> onClick;

    // Chooses the item as the user would: Click runs when it is on a loaded form,
    // enabled and visible.
    void click();

    // The Qt action while the form is loaded, else nullptr; its menu where the entry has items.
    QAction* action() const { return action_.data(); }
    QMenu* menu() const { return menu_.data(); }

private:
    friend class Form;
    void reset(Form* form);
    void build(QWidget* parent);  // parent: the menu bar or the menu above
    void detach();
    void applyTo(QAction* action);
    void chosen();

    struct Props {
        QString caption;
        QString shortcut;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
    };
    Props props_;
    Form* form_ = nullptr;
    std::vector<MenuItem*> items_;
    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};

}  // namespace platform
