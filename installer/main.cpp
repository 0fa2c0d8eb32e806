// tavrik.exe: writes every data file into the folder it lies in, then ends.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "installer/install_data.h"

namespace {

// Qt's own notes (for instance about a missing runtime folder) mean nothing to the
// user of an installer; only its German result is shown.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietQtMessages);
    // The installer draws offscreen; it must also run where no display exists.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto result = pendix::installer::installData(QDir(QCoreApplication::applicationDirPath()));
    if (!result.ok) {
        std::fprintf(stderr, "tavrik.exe: Die Installation ist fehlgeschlagen.\n%s\n", qUtf8Printable(result.message));
        return 1;
    }
    return 0;
}
