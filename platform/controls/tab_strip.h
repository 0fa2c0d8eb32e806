#pragma once
// A tab strip: a row of tabs of equal width above a panel, each tab with its own
// controls. Controls are placed on a tab in the strip's own coordinates (the tab
// row included); only the controls of the tab in front are shown, while their
// Visible properties stay as they are. The user brings a tab to the front by
// clicking it.
//
//     place(SSTab, {120, 0, 15015, 1095});
//     SSTab.setTabCount(11);
//     SSTab.setTabCaption(0, "Name");
//     SSTab.place(lblLevelName, 0, {120, 480, 14775, 375});
#include "platform/controls/control.h"
#include "platform/form.h"

#include <QStringList>

#include <vector>

namespace platform {

class TabStrip : public Control {
public:
    TabStrip() = default;

    int tabCount() const { return static_cast<int>(props_.captions.size()); }
    // New tabs are captioned "Tab 0", "Tab 1", …
    void setTabCount(int count);
    QString tabCaption(int tab) const { return props_.captions.value(tab); }
    void setTabCaption(int tab, const QString& caption);
    // The tab in front.
    int tab() const { return props_.tab; }
    void setTab(int tab);
    // Height of the tab row in twips.
    int tabHeight() const { return props_.tabHeight; }
    void setTabHeight(int twips);

    // Puts a control on a tab (in design(), after the strip itself was placed).
    template <class C>
    C& place(C& control, int tab, const Rect& rect) {
        if (form() && page(tab)) form()->adopt(control, page(tab), rect);
        return control;
    }

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override;

private:
    QWidget* page(int tab) const;
    void showFrontPage();
    void layoutParts();

    struct Props {
        QStringList captions{QStringLiteral("Tab 0"), QStringLiteral("Tab 1"), QStringLiteral("Tab 2")};
        int tab = 0;
        int tabHeight = 353;
    };
    Props props_;
};

}  // namespace platform
