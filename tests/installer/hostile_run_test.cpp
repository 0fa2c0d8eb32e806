// tavrik.exe itself in program folders where things stand in the way, and on a
// "full disk" (see run_installer.cmake).
#include "installed_run.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace installer_test;

namespace {

QString stderrOf(const char* run) {
    return QString::fromUtf8(readAll(QStringLiteral(PENDIX_INSTALLER_RUN "/%1.stderr").arg(QLatin1String(run))));
}

}  // namespace

TEST(HostileRun, ReplacesWhatStandsInTheWayAndWritesNothingOutside) {
    EXPECT_TRUE(stderrOf("hostile").isEmpty()) << stderrOf("hostile").toStdString();
    const QString root = hostileRun();
    for (const char* file :
         {"bmp/AuteDLOU.bmp", "bmp/AutoRL.bmp", "bmp/StrasOU.bmp", "ico/auto01.ico", "wav/kurve.wav", "dateien.lst"})
        EXPECT_TRUE(isRealFile(root + "/" + file)) << file;
    for (const char* folder : {"ico", "wav"}) EXPECT_TRUE(isRealFolder(root + "/" + folder)) << folder;
    EXPECT_EQ(readAll(outsideFolder() + "/fremd.txt"), "not the installer's");
    EXPECT_EQ(entriesBelow(outsideFolder()), (QStringList{"bilder", "fremd.txt"}));
    // Only the folder in the probe's own spelling is left over from before.
    QStringList written = entriesBelow(root);
    QStringList clean = entriesBelow(firstRun());
    written.removeAll("bmp/Autedlou.bmp");
    EXPECT_EQ(written, clean);
}

TEST(HostileRun, AFullDiskStopsNoWriteAndEveryFailureIsReported) {
    const QString report = stderrOf("full");
    EXPECT_TRUE(
        report.startsWith("tavrik.exe: Die Installation ist fehlgeschlagen.\n"
                          "Folgende Pfade konnten nicht geschrieben werden ("))
        << report.toStdString();
    // Pictures of 40 x 40 pixels are too large, cars of 25 x 25 and the levels are not.
    const QString root = fullRun();
    EXPECT_TRUE(report.contains("\n  " + root + "/bmp/StrasOU.bmp\n"));
    EXPECT_TRUE(report.contains("\n  " + root + "/wav/kurve.wav\n"));
    EXPECT_FALSE(report.contains("/lev1-9/level9.lev"));
    for (const char* written : {"bmp/AutoOU.bmp", "lev1-9/level1.lev", "lev1-9/level9.lev", "lvlneu/blanko.lvl"})
        EXPECT_TRUE(isRealFile(root + "/" + written)) << written;
    EXPECT_FALSE(QFileInfo::exists(root + "/bmp/StrasOU.bmp"));
    // The list names what was written, and only that.
    const QByteArray list = readAll(root + "/dateien.lst");
    EXPECT_TRUE(list.contains("\r\nAutoOU.bmp\r\n"));
    EXPECT_TRUE(list.contains("\r\nlevel9.lev\r\n"));
    EXPECT_FALSE(list.contains("StrasOU.bmp"));
    for (const QString& entry : entriesBelow(root))
        EXPECT_FALSE(QFileInfo(entry).fileName().startsWith('.')) << "left behind: " << entry.toStdString();
}
