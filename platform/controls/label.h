#pragma once
// A label: a caption the user cannot edit, top-aligned in its box and wrapped at
// word boundaries within its width where the box is high enough for a second
// line (one-line boxes keep one line). A label raises Click and DblClick from the
// mouse itself and may show its own mouse pointer (the about box's links).
#include "platform/controls/control.h"

#include <QCursor>

namespace platform {

enum class Alignment { Left, Right, Center };

class Label : public Control {
public:
    Label() = default;

    const QString& caption() const { return props_.caption; }
    void setCaption(const QString& caption);
    Alignment alignment() const { return props_.alignment; }
    void setAlignment(Alignment alignment);
    bool wordWrap() const { return props_.wordWrap; }
    void setWordWrap(bool on);
    // The pointer shown over the label; the default is the arrow.
    const QCursor& mousePointer() const { return props_.mousePointer; }
    void setMousePointer(const QCursor& pointer);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override { props_ = Props{}; }
    int mouseClicks() const override { return MouseClick | MouseDblClick; }

private:
    struct Props {
        QString caption;
        Alignment alignment = Alignment::Left;
        bool wordWrap = true;
        QCursor mousePointer;
    };
    Props props_;
};

// Qt's alignment flags for an alignment, text at the top as the windows draw it.
Qt::Alignment qtAlignment(Alignment alignment);

}  // namespace platform
