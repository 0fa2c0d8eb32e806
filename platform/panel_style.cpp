#include "panel_style.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <cmath>

namespace platform {
namespace {

constexpr std::size_t kMostPanels = 64;  // sizes and states of the programs' text boxes, with room to spare

// Styles draw the line edit of a combo or spin box as part of that box.
bool standsAlone(const QWidget* widget) {
    if (!qobject_cast<const QLineEdit*>(widget)) return false;
    const QWidget* parent = widget->parentWidget();
    return !qobject_cast<const QComboBox*>(parent) && !qobject_cast<const QAbstractSpinBox*>(parent);
}

}  // namespace

PanelCachingStyle::PanelCachingStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void PanelCachingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !frame || !standsAlone(widget) || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const qreal ratio = painter->device()->devicePixelRatioF();
    const Key key{option->rect.width(),
                  option->rect.height(),
                  static_cast<unsigned>(option->state),
                  option->palette.cacheKey(),
                  frame->lineWidth,
                  frame->midLineWidth,
                  static_cast<int>(option->direction),
                  static_cast<int>(std::lround(ratio * 1000))};
    auto found = panels_.find(key);
    if (found == panels_.end()) {
        if (panels_.size() >= kMostPanels) panels_.clear();
        QPixmap panel(option->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QPainter onPanel(&panel);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QProxyStyle::drawPrimitive(element, &atOrigin, &onPanel, widget);
        onPanel.end();
        found = panels_.emplace(key, panel).first;
    }
    painter->drawPixmap(option->rect.topLeft(), found->second);
}

}  // namespace platform
