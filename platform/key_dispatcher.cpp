#include "key_dispatcher.h"

#include "platform/controls/control.h"
#include "platform/files/cp1252.h"
#include "platform/form.h"
#include "platform/form_window.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <memory>

namespace platform::detail {

int keyAsciiOf(const QString& text) {
    if (text.isEmpty()) return -1;
    const QList<uint> characters = text.toUcs4();
    if (characters.size() != 1 || characters.front() == '\t') return -1;  // Tab moves the focus
    return cp1252Byte(characters.front());
}

bool KeyDispatcher::eventFilter(QObject* object, QEvent* event) {
    if (event->type() != QEvent::KeyPress || event == handingOn_ || !object->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(object);
    auto* window = dynamic_cast<FormWindow*>(widget->window());
    Form* form = window ? window->form() : nullptr;
    if (!form) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int typed = keyAsciiOf(key->text());
    if (typed < 0) return false;

    int keyAscii = typed;
    form->previewKey(keyAscii);
    Control* control = controlOf(widget);
    if (keyAscii != 0 && control && control->form() == form) control->raiseKeyPress(keyAscii);
    if (keyAscii == 0) return true;  // a handler swallowed the key

    // Hand the key on as a copy, marked so that it is not previewed again while Qt
    // passes it up to the widget's parents and the window.
    std::unique_ptr<QKeyEvent> copy;
    if (keyAscii == typed)
        copy.reset(key->clone());
    else
        copy = std::make_unique<QKeyEvent>(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(),
                                           key->nativeVirtualKey(), key->nativeModifiers(),
                                           fromCp1252(std::string(1, static_cast<char>(keyAscii))), key->isAutoRepeat(),
                                           key->count());
    const QEvent* outer = handingOn_;
    handingOn_ = copy.get();
    QCoreApplication::sendEvent(widget, copy.get());
    handingOn_ = outer;
    key->accept();  // its way up has been gone already
    return true;
}

}  // namespace platform::detail
