// tavrik.exe: writes every data file into the folder it lies in, then ends. What
// it could not write it reports on the error output and, with a display, in a
// message box; then it exits with 1.
#include "installer/install_data.h"
#include "installer/report_text.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QProcess>

#include <cstdio>
#include <cstring>

namespace {

constexpr char kShowReport[] = "--meldung";
constexpr int kBoxLines = 20;

// Qt's own notes (for instance about a missing runtime folder) mean nothing to the
// user of an installer; only its German result is shown.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

bool hasDisplay() {
    return qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
           (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
}

// The message box runs in a process of its own: the installer draws offscreen,
// and a process keeps the platform it started with.
int showReport(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() == u"offscreen") return 0;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("tavrik.exe"), QString::fromUtf8(argv[2]));
    box.exec();
    return 0;
}

void showReportWindow(const QString& text) {
    QProcess box;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    box.setProcessEnvironment(environment);
    box.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kShowReport), text});
    box.waitForFinished(-1);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], kShowReport) == 0) return showReport(argc, argv);
    qInstallMessageHandler(quietQtMessages);
    const bool display = hasDisplay();
    // The installer draws offscreen; it must also run where no display exists.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto result = pendix::installer::installData(QDir(QCoreApplication::applicationDirPath()));
    if (result.ok) return 0;
    std::fprintf(stderr, "tavrik.exe: Die Installation ist fehlgeschlagen.\n%s\n", qUtf8Printable(result.message));
    if (display) showReportWindow(pendix::installer::reportBoxText(result.message, kBoxLines));
    return 1;
}
