#include "text_box.h"

#include "platform/controls/event_widget.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace platform {
namespace {

constexpr int kUnlimited = 32767;  // QLineEdit's own default limit

}  // namespace

QWidget* TextBox::createWidget(QWidget* parent) {
    auto* edit = new detail::EventWidget<QLineEdit>(this, parent);
    // Program assignments block the widget's signals and raise Change themselves,
    // so this sees only the user's edits.
    edit->whileOwned(&QLineEdit::textChanged, [this](const QString& text) { takeText(text); });
    return edit;
}

void TextBox::applyProperties() {
    auto* edit = as<QLineEdit>();
    const QSignalBlocker quiet(edit);
    edit->setMaxLength(props_.maxLength > 0 ? props_.maxLength : kUnlimited);
    edit->setText(props_.text);
    edit->setReadOnly(props_.locked);
}

void TextBox::takeText(const QString& text) {
    if (text == props_.text) return;
    props_.text = text;
    if (onChange) onChange();
}

void TextBox::setText(const QString& text) {
    const QString limited = props_.maxLength > 0 ? text.left(props_.maxLength) : text;
    if (auto* edit = as<QLineEdit>()) {
        const QSignalBlocker quiet(edit);
        edit->setText(limited);
    }
    takeText(limited);
}

void TextBox::setLocked(bool on) {
    props_.locked = on;
    if (auto* edit = as<QLineEdit>()) edit->setReadOnly(on);
}

void TextBox::setMaxLength(int length) {
    props_.maxLength = length;
    if (auto* edit = as<QLineEdit>()) {
        const QSignalBlocker quiet(edit);
        edit->setMaxLength(length > 0 ? length : kUnlimited);
    }
    if (length > 0 && props_.text.size() > length) setText(props_.text);
}

}  // namespace platform
