#include "game_child.h"

#include "bench_levels.h"
#include "bench_window.h"

#include "game/frm_haupt.h"
#include "platform/application.h"
#include "platform/main_form.h"

#include <QCoreApplication>

#include <sys/resource.h>

#include <cstdio>

namespace bench {
namespace {

constexpr char kPeakPrefix[] = "peak_kb ";
constexpr int kAnimationTicks = 30;

}  // namespace

QString writeChildLevel(const QString& folder) { return writeFullBoardLevel(folder); }

int runGameChild(int argc, char** argv, const QString& levelPath) {
    // As the game's own start-up does it, with the real services.
    platform::Application app(argc, argv, QStringLiteral("Pendix"));
    if (!useProgramFolder()) return 1;
    platform::setMainForm<pendix::frmHaupt>();
    auto& window = platform::instance<pendix::frmHaupt>();
    window.show();
    QCoreApplication::processEvents();  // the window is on the screen only once it has painted
    std::fputs(kShownLine, stdout);
    std::fflush(stdout);

    window.ClearBoard();
    window.LoadLevel(levelPath);
    for (int tick = 0; tick < kAnimationTicks; ++tick) {
        window.Timer.fire();
        QCoreApplication::processEvents();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s%ld\n", kPeakPrefix, usage.ru_maxrss);
    std::fflush(stdout);
    return 0;
}

std::optional<double> peakKbOf(const QByteArray& output) {
    const qsizetype at = output.indexOf(kPeakPrefix);
    if (at < 0) return std::nullopt;
    bool ok = false;
    const double kb = output.mid(at + qsizetype(sizeof kPeakPrefix) - 1).trimmed().toDouble(&ok);
    return ok ? std::optional<double>(kb) : std::nullopt;
}

}  // namespace bench
