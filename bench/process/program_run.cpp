#include "program_run.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

extern char** environ;

namespace bench {
namespace {

constexpr int kChildReportFd = 100;  // where the child finds the pipe (PENDIX_FIRST_PAINT_FD)
constexpr char kStartPhasesVariable[] = "PENDIX_START_PHASES";  // the program's own start log

std::vector<std::string> childEnvironment(const Launch& launch) {
    std::vector<std::string> variables;
    std::string preload = PENDIX_FIRST_PAINT_PROBE;
    for (char** v = environ; *v; ++v) {
        const std::string_view variable(*v);
        if (variable.starts_with("LD_PRELOAD=")) {
            preload += ':';
            preload += variable.substr(11);
        } else if (!variable.starts_with("QT_QPA_PLATFORM=") && !variable.starts_with(kProbeFdVariable) &&
                   !variable.starts_with(kProbeWindowVariable) && !variable.starts_with(kStartPhasesVariable)) {
            variables.emplace_back(variable);
        }
    }
    variables.push_back("LD_PRELOAD=" + preload);
    variables.push_back("QT_QPA_PLATFORM=xcb");  // a real window on the display
    variables.push_back(std::string(kProbeFdVariable) + '=' + std::to_string(kChildReportFd));
    variables.push_back(std::string(kProbeWindowVariable) + '=' + launch.windowTitle);
    if (launch.startPhases)
        variables.push_back(std::string(kStartPhasesVariable) + '=' + std::to_string(kChildReportFd));
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Spawns `argv` with its output sent nowhere; `reportFd` (if >= 0) becomes the child's kChildReportFd.
pid_t spawn(std::vector<std::string> argv, std::vector<std::string> environment, const std::string& folder,
            int reportFd, bool searchPath, std::string& error) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    if (reportFd >= 0) posix_spawn_file_actions_adddup2(&actions, reportFd, kChildReportFd);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<char*> args = pointersTo(argv);
    std::vector<char*> env = pointersTo(environment);
    pid_t pid = -1;
    const int failed = searchPath ? posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data())
                                  : posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        error = argv[0] + ": " + std::strerror(failed);
        return -1;
    }
    return pid;
}

// The program's own high-water mark of resident memory in kB, or -1. Not the
// child's rusage: Linux counts in it the memory of the process it was forked from
// (here the benchmark, which holds whole editor windows), whatever runs after exec.
long residentHighWaterKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:")) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

std::optional<RunningProgram> RunningProgram::start(const Launch& launch, std::string& error) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        error = std::string("pipe: ") + std::strerror(errno);
        return std::nullopt;
    }
    // The write end must not already sit where the child wants it: dup2 onto itself keeps close-on-exec.
    if (fds[1] == kChildReportFd) {
        const int moved = ::fcntl(fds[1], F_DUPFD_CLOEXEC, kChildReportFd + 1);
        ::close(fds[1]);
        fds[1] = moved;
    }
    std::vector<std::string> argv{launch.executable};
    argv.insert(argv.end(), launch.arguments.begin(), launch.arguments.end());
    std::vector<std::string> environment = childEnvironment(launch);
    const std::int64_t started = monotonicNow();
    const pid_t pid = spawn(std::move(argv), std::move(environment), launch.folder, fds[1], false, error);
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        return std::nullopt;
    }
    return RunningProgram(pid, fds[0], started);
}

RunningProgram::RunningProgram(pid_t pid, int reportFd, std::int64_t startedNs)
    : pid_(pid), reportFd_(reportFd), startedNs_(startedNs) {}

RunningProgram::RunningProgram(RunningProgram&& other) noexcept
    : pid_(other.pid_), reportFd_(other.reportFd_), startedNs_(other.startedNs_),
      received_(std::move(other.received_)) {
    other.pid_ = -1;
    other.reportFd_ = -1;
}

RunningProgram::~RunningProgram() {
    endAndPeakKb();
    if (reportFd_ >= 0) ::close(reportFd_);
}

std::optional<FirstPaint> RunningProgram::waitForFirstPaint(int timeoutMs) {
    std::string& received = received_;
    const std::int64_t deadline = monotonicNow() + std::int64_t{timeoutMs} * 1'000'000;
    while (reportFd_ >= 0) {
        if (auto paint = parseReport(received)) return paint;
        const std::int64_t left = (deadline - monotonicNow()) / 1'000'000;
        if (left <= 0) return std::nullopt;
        pollfd wait{reportFd_, POLLIN, 0};
        if (::poll(&wait, 1, static_cast<int>(left)) <= 0) continue;
        char chunk[256];
        const ssize_t got = ::read(reportFd_, chunk, sizeof chunk);
        if (got <= 0) return std::nullopt;  // the program ended without a report
        received.append(chunk, static_cast<std::size_t>(got));
    }
    return std::nullopt;
}

long RunningProgram::endAndPeakKb() {
    if (pid_ < 0) return -1;
    const long peakKb = residentHighWaterKb(pid_);
    ::kill(pid_, SIGKILL);
    int status = 0;
    pid_t ended = -1;
    do ended = ::waitpid(pid_, &status, 0);
    while (ended < 0 && errno == EINTR);
    pid_ = -1;
    return ended < 0 ? -1 : peakKb;
}

bool xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment;
    for (char** v = environ; *v; ++v) environment.emplace_back(*v);
    std::string error;
    const pid_t pid = spawn(std::move(argv), std::move(environment), {}, -1, true, error);
    if (pid < 0) return false;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace bench
