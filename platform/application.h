#pragma once
// The program's RAII root, created first thing in main():
//
//     int main(int argc, char** argv) {
//         platform::Application app(argc, argv, "Pendix");
//         pendix::game::Main();      // shows the main window
//         return app.exec();
//     }
//
// It owns the QApplication, installs the Qt services, passes typed keys to the
// windows (key preview) and owns the windows' single instances, which it
// destroys before the QApplication.
#include "platform/form.h"
#include "platform/start_phases.h"

#include <QApplication>
#include <QString>

#include <functional>
#include <memory>
#include <typeindex>
#include <utility>
#include <vector>

namespace platform {

class Services;

namespace detail {
class KeyDispatcher;
}

class Application {
public:
    // `title` is the program's title: the title of message and input boxes that name none.
    Application(int& argc, char** argv, const QString& title);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one application object; throws std::logic_error when there is none.
    static Application& current();

    int exec() { return QApplication::exec(); }

    // The single instance of a window class, created (not loaded) on first use.
    template <class F>
    F& instance();
    // Destroys every instance (tests, between tests; never from a window's handler).
    void dropInstances();

    const QString& title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }

    // How to reach the program's main window (see main_form.h).
    void setMainFormAccess(std::function<Form&()> access) { mainFormAccess_ = std::move(access); }
    const std::function<Form&()>& mainFormAccess() const { return mainFormAccess_; }

    // Where the start spends its time, when asked for (see start_phases.h).
    StartPhases& startPhases() { return startPhases_; }

private:
    StartPhases startPhases_;
    // What Qt reads from the environment as it starts, settled before it does.
    struct BeforeQt {
        BeforeQt();
    };
    BeforeQt beforeQt_;
    QApplication qt_;
    QString title_;
    std::unique_ptr<detail::KeyDispatcher> keys_;
    std::unique_ptr<Services> services_;
    Services* previousServices_ = nullptr;
    std::function<Form&()> mainFormAccess_;
    std::vector<std::pair<std::type_index, std::unique_ptr<Form>>> forms_;  // last: destroyed first
};

template <class F>
F& Application::instance() {
    static_assert(std::is_base_of_v<Form, F>, "instance<F>() is for window classes");
    const std::type_index type(typeid(F));
    for (auto& [formType, form] : forms_)
        if (formType == type) return static_cast<F&>(*form);
    auto created = std::make_unique<F>();
    F& form = *created;
    forms_.emplace_back(type, std::move(created));
    return form;
}

// The single instance of a window class: platform::instance<frmHaupt>().
template <class F>
F& instance() {
    return Application::current().template instance<F>();
}

// Destroys all window instances (tests, between tests).
void dropInstances();

// The program's title ("Pendix"); empty without an application object.
QString programTitle();

}  // namespace platform
