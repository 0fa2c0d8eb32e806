#include "application.h"

#include "platform/key_dispatcher.h"
#include "platform/services/qt_services.h"

#include <stdexcept>

namespace platform {
namespace {

Application*& currentApplication() {
    static Application* application = nullptr;
    return application;
}

}  // namespace

Application::Application(int& argc, char** argv, const QString& title)
    : qt_(argc, argv), title_(title), keys_(std::make_unique<detail::KeyDispatcher>()),
      services_(std::make_unique<QtServices>()) {
    if (currentApplication()) throw std::logic_error("only one platform::Application at a time");
    currentApplication() = this;
    qt_.installEventFilter(keys_.get());
    previousServices_ = installServices(services_.get());
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

QString programTitle() { return currentApplication() ? currentApplication()->title() : QString(); }

}  // namespace platform
