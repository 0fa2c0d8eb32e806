// The help launcher program.
#include "help/start.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv, QStringLiteral("Hilfe"));
    pendix::hilfe::Main();
    return app.exec();
}
