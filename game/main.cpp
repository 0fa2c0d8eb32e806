// The game program.
#include "game/start.h"
#include "platform/application.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv, QStringLiteral("Pendix"));
    pendix::game::Main();
    return app.exec();
}
