#include "services.h"

#include "platform/application.h"

#include <stdexcept>

namespace platform {
namespace {

Services*& current() {
    static Services* set = nullptr;
    return set;
}

QString titleOr(const QString& title) { return title.isEmpty() ? programTitle() : title; }

}  // namespace

Services& services() {
    if (!current())
        throw std::logic_error("no platform services installed: create platform::Application or ScopedTestServices");
    return *current();
}

Services* installServices(Services* set) {
    Services* previous = current();
    current() = set;
    return previous;
}

int messageBox(const QString& text, int style, const QString& title) {
    return services().messageBox().show(text, style, titleOr(title));
}

QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    return services().inputBox().ask(prompt, titleOr(title), defaultText);
}

bool startProgram(const QString& program) { return services().programStarter().start(program); }
bool openLink(const QString& link) { return services().linkOpener().open(link); }
void endProgram() { services().programEnder().end(); }
void setWaitCursor() { services().screenCursor().setWait(); }
void setDefaultCursor() { services().screenCursor().setDefault(); }

}  // namespace platform
