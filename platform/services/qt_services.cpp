#include "qt_services.h"

namespace platform {
namespace {

template <class T>
T& created(std::unique_ptr<T>& service) {
    if (!service) service = std::make_unique<T>();
    return *service;
}

}  // namespace

QtServices::QtServices() = default;
QtServices::~QtServices() = default;

MessageBoxService& QtServices::messageBox() { return created(messageBox_); }
InputBoxService& QtServices::inputBox() { return created(inputBox_); }
HelpViewer& QtServices::helpViewer() { return created(helpViewer_); }
WavePlayer& QtServices::wavePlayer() { return created(wavePlayer_); }
ProgramStarter& QtServices::programStarter() { return created(programStarter_); }
LinkOpener& QtServices::linkOpener() { return created(linkOpener_); }
ProgramEnder& QtServices::programEnder() { return created(programEnder_); }
ScreenCursor& QtServices::screenCursor() { return created(screenCursor_); }
ModalLoop& QtServices::modalLoop() { return created(modalLoop_); }

}  // namespace platform
