#include "start_phase_table.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <map>
#include <sstream>

namespace bench {
namespace {

// One line of the start log: "phase <step> <mono> <cpu> <pictures> <their mono> <their cpu>".
struct Mark {
    Moment at;
    long pictures = 0;
    Moment inPictures;  // the pictures' own time so far
};

std::map<std::string, Mark> marksOf(const std::string& reported) {
    std::map<std::string, Mark> marks;
    std::istringstream lines(reported);
    for (std::string line; std::getline(lines, line);) {
        char step[64];
        Mark mark;
        if (std::sscanf(line.c_str(), "phase %63s %" SCNd64 " %" SCNd64 " %ld %" SCNd64 " %" SCNd64, step,
                        &mark.at.monotonicNs, &mark.at.cpuNs, &mark.pictures, &mark.inPictures.monotonicNs,
                        &mark.inPictures.cpuNs) == 6)
            marks.emplace(step, mark);
    }
    return marks;
}

StepTime between(const Moment& from, const Moment& to) {
    return {static_cast<double>(to.cpuNs - from.cpuNs) / 1e6,
            static_cast<double>(to.monotonicNs - from.monotonicNs) / 1e6};
}

// From one mark to the next, without the pictures read in between.
StepTime betweenWithoutPictures(const Mark& from, const Mark& to) {
    const StepTime all = between(from.at, to.at);
    const StepTime pictures = between(from.inPictures, to.inPictures);
    return {all.cpuMs - pictures.cpuMs, all.wallMs - pictures.wallMs};
}

std::optional<double> median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

std::optional<StepTime> medianOf(const std::vector<StartPhaseTable::Breakdown>& starts, int step) {
    std::vector<double> cpu, wall;
    for (const auto& start : starts) {
        if (!start[static_cast<std::size_t>(step)]) continue;
        cpu.push_back(start[static_cast<std::size_t>(step)]->cpuMs);
        wall.push_back(start[static_cast<std::size_t>(step)]->wallMs);
    }
    const auto cpuMs = median(cpu);
    const auto wallMs = median(wall);
    if (!cpuMs || !wallMs) return std::nullopt;
    return StepTime{*cpuMs, *wallMs};
}

std::string text(const std::optional<StepTime>& time) {
    if (!time) return "";
    char cell[40];
    std::snprintf(cell, sizeof cell, "%7.1f / %7.1f", time->cpuMs, time->wallMs);
    return cell;
}

}  // namespace

StartPhaseTable::Breakdown StartPhaseTable::breakdown(const LoggedStart& start) {
    Breakdown steps;
    const Moment launched{start.startedNs, 0};
    const Moment& begun = start.paint.qtBegun;
    const Moment& painting = start.paint.painting;
    const Moment painted{start.paint.monotonicNs, start.paint.cpuNs};
    steps[LibrariesAndQtBegun] = between(launched, begun);
    steps[QtBegunToPaint] = between(begun, painting);
    steps[Paint] = between(painting, painted);
    steps[Total] = between(launched, painted);

    const auto marks = marksOf(start.reported);
    const auto mark = [&marks](const char* name) -> const Mark* {
        const auto found = marks.find(name);
        return found == marks.end() ? nullptr : &found->second;
    };
    const Mark begunMark{begun, 0, {}};
    const Mark* qt = mark("qt");
    const Mark* fonts = mark("fonts");
    const Mark* window = mark("window");
    const Mark* controls = mark("controls");
    const Mark* loaded = mark("loaded");
    const Mark* shown = mark("shown");
    const auto step = [&steps](Step which, const Mark* from, const Mark* to) {
        if (from && to) steps[which] = betweenWithoutPictures(*from, *to);
    };
    step(QtStarted, &begunMark, qt);
    step(Fonts, qt, fonts);
    step(BeforeWindow, fonts, window);
    step(Controls, window, controls);
    step(FormLoad, controls, loaded);
    step(Shown, loaded, shown);
    if (shown) {
        steps[Pictures] = between({}, shown->inPictures);
        steps[EventsUntilPaint] = between(shown->at, painting);
    }
    return steps;
}

long StartPhaseTable::pictureCount(const LoggedStart& start) {
    const auto marks = marksOf(start.reported);
    const auto shown = marks.find("shown");
    return shown == marks.end() ? 0 : shown->second.pictures;
}

void StartPhaseTable::add(const std::string& program, const LoggedStart& started, const LoggedStart& bare) {
    auto samples = std::find_if(programs_.begin(), programs_.end(),
                                [&program](const Samples& s) { return s.program == program; });
    if (samples == programs_.end()) samples = programs_.insert(programs_.end(), Samples{program, {}, {}, {}});
    samples->starts.push_back(breakdown(started));
    samples->bares.push_back(breakdown(bare));
    samples->pictures.push_back(pictureCount(started));
}

void StartPhaseTable::print() const {
    if (programs_.empty()) return;
    static constexpr const char* kNames[kSteps] = {
        "libraries loaded, Qt begun",
        "  Qt started, display connected",
        "  fonts: the font database read",
        "  before the main window",
        "  main window: its controls made",
        "  main window: Form_Load",
        "  main window shown",
        "  pictures read or drawn",
        "  events until the first paint",
        "Qt begun to the first paint",
        "the first paint, until on the screen",
        "start to the first paint",
    };
    std::printf("\nWhere each start's time goes (processor ms / wall ms; each step the median over the starts"
                " with the start log on, so the steps need not add up)\n");
    for (const Samples& samples : programs_) {
        std::vector<double> pictures(samples.pictures.begin(), samples.pictures.end());
        std::printf("%-40s %-18s %-18s\n", (samples.program + ", " + std::to_string(samples.starts.size()) + " starts")
                                               .c_str(),
                    samples.program.c_str(), "bare window");
        for (int step = 0; step < kSteps; ++step) {
            std::string name = kNames[step];
            if (step == Pictures) name += " (" + std::to_string(static_cast<long>(median(pictures).value_or(0))) + ")";
            std::printf("%-40s %-18s %-18s\n", name.c_str(), text(medianOf(samples.starts, step)).c_str(),
                        text(medianOf(samples.bares, step)).c_str());
        }
    }
}

}  // namespace bench
