#include "tab_strip.h"

#include "platform/controls/event_widget.h"

#include <QFrame>
#include <QProxyStyle>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

namespace platform {
namespace {

// The classic strip's tabs leave a caption almost their whole width; Qt's styles
// keep a wide margin and would cut "Gesp. Straßen" short on a row of eleven.
class NarrowTabMargins : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 6;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Tabs share the row's width equally, as on the classic tab strip.
class EvenTabBar : public QTabBar {
public:
    explicit EvenTabBar(QWidget* parent) : QTabBar(parent) {
        auto* style = new NarrowTabMargins;
        style->setParent(this);
        setStyle(style);
        setDrawBase(false);
        setExpanding(false);
        setUsesScrollButtons(false);
        setElideMode(Qt::ElideRight);
    }

protected:
    QSize tabSizeHint(int index) const override {
        const int n = std::max(1, count());
        const int width = this->width() / n + (index == n - 1 ? this->width() % n : 0);
        return {width, height()};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

// The strip's widget: the panel, one full-size page per tab above it, the tab row on top.
class StripWidget : public detail::EventWidget<QWidget> {
public:
    using EventWidget::EventWidget;
    QFrame* panel = nullptr;
    EvenTabBar* bar = nullptr;
    std::vector<QWidget*> pages;
    int tabRowHeight = 24;

    void arrange() {
        bar->setGeometry(0, 0, width(), tabRowHeight);
        panel->setGeometry(0, tabRowHeight - 1, width(), std::max(0, height() - tabRowHeight + 1));
        for (QWidget* page : pages) page->setGeometry(0, 0, width(), height());
        bar->raise();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        EventWidget::resizeEvent(event);
        arrange();
    }
};

}  // namespace

QWidget* TabStrip::createWidget(QWidget* parent) {
    auto* strip = new StripWidget(this, parent);
    strip->panel = new QFrame(strip);
    strip->panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    strip->bar = new EvenTabBar(strip);
    QObject::connect(strip->bar, &QTabBar::currentChanged, strip, [this, strip](int tab) {
        if (strip->owner() && tab >= 0) setTab(tab);
    });
    return strip;
}

void TabStrip::applyProperties() {
    auto* strip = as<StripWidget>();
    strip->tabRowHeight = twipsToPixels(props_.tabHeight);
    const QSignalBlocker quiet(strip->bar);
    while (strip->bar->count() > tabCount()) strip->bar->removeTab(strip->bar->count() - 1);
    for (int i = 0; i < tabCount(); ++i) {
        if (i < strip->bar->count())
            strip->bar->setTabText(i, props_.captions[i]);
        else
            strip->bar->addTab(props_.captions[i]);
    }
    while (static_cast<int>(strip->pages.size()) > tabCount()) {
        delete strip->pages.back();
        strip->pages.pop_back();
    }
    while (static_cast<int>(strip->pages.size()) < tabCount()) strip->pages.push_back(new QWidget(strip));
    strip->arrange();
    showFrontPage();
}

void TabStrip::resetProperties() { props_ = Props{}; }

QWidget* TabStrip::page(int tab) const {
    auto* strip = as<StripWidget>();
    if (!strip || tab < 0 || tab >= static_cast<int>(strip->pages.size())) return nullptr;
    return strip->pages[static_cast<std::size_t>(tab)];
}

void TabStrip::showFrontPage() {
    auto* strip = as<StripWidget>();
    if (!strip) return;
    const QSignalBlocker quiet(strip->bar);
    strip->bar->setCurrentIndex(props_.tab);
    for (std::size_t i = 0; i < strip->pages.size(); ++i)
        strip->pages[i]->setVisible(static_cast<int>(i) == props_.tab);
    strip->bar->raise();
}

void TabStrip::setTabCount(int count) {
    count = std::max(1, count);
    while (tabCount() > count) props_.captions.removeLast();
    while (tabCount() < count) props_.captions.append(QStringLiteral("Tab %1").arg(tabCount()));
    props_.tab = std::min(props_.tab, count - 1);
    if (widget()) applyProperties();
}

void TabStrip::setTabCaption(int tab, const QString& caption) {
    if (tab < 0 || tab >= tabCount()) return;
    props_.captions[tab] = caption;
    if (auto* strip = as<StripWidget>()) strip->bar->setTabText(tab, caption);
}

void TabStrip::setTab(int tab) {
    if (tab < 0 || tab >= tabCount() || tab == props_.tab) return;
    props_.tab = tab;
    showFrontPage();
}

void TabStrip::setTabHeight(int twips) {
    props_.tabHeight = twips;
    if (auto* strip = as<StripWidget>()) {
        strip->tabRowHeight = twipsToPixels(twips);
        strip->arrange();
    }
}

}  // namespace platform
