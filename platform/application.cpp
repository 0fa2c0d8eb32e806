#include "application.h"

#include "platform/key_dispatcher.h"
#include "platform/panel_style.h"
#include "platform/services/qt_services.h"

#include <QFontDatabase>

#include <stdexcept>

namespace platform {
namespace {

Application*& currentApplication() {
    static Application* application = nullptr;
    return application;
}

}  // namespace

Application::BeforeQt::BeforeQt() {
    // Qt's own event loop rather than GLib's: GLib's wakes the loop with a system
    // call for every event posted, and a window posts one for each control as it
    // is made (800 on the game's board); Qt's wakes it once until it has run.
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
}

Application::Application(int& argc, char** argv, const QString& title)
    : qt_(argc, argv), title_(title), keys_(std::make_unique<detail::KeyDispatcher>()),
      services_(std::make_unique<QtServices>()) {
    if (currentApplication()) throw std::logic_error("only one platform::Application at a time");
    currentApplication() = this;
    qt_.installEventFilter(keys_.get());
    QApplication::setStyle(new PanelCachingStyle);  // the application owns it
    previousServices_ = installServices(services_.get());
    if (startPhases_.on()) {
        startPhases_.mark("qt");
        // Qt reads the font database once, at the first text it measures, deep in
        // some window's making; with the log on it is read here, so that its time
        // shows as a step of its own.
        QFontDatabase::families();
        startPhases_.mark("fonts");
    }
}

Application::~Application() {
    dropInstances();
    installServices(previousServices_);
    currentApplication() = nullptr;
}

Application& Application::current() {
    if (!currentApplication()) throw std::logic_error("no platform::Application: create one in main()");
    return *currentApplication();
}

void Application::dropInstances() {
    // Newest first: a window created by another's use goes before it.
    while (!forms_.empty()) forms_.pop_back();
}

void dropInstances() { Application::current().dropInstances(); }

StartPhases* startPhases() {
    Application* application = currentApplication();
    return application && application->startPhases().on() ? &application->startPhases() : nullptr;
}

QString programTitle() { return currentApplication() ? currentApplication()->title() : QString(); }

}  // namespace platform
