// The editor program.
#include "editor/start.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv, QStringLiteral("Editor zu Pendix"));
    pendix::editor::Main();
    return app.exec();
}
