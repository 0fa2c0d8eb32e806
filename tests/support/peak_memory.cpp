#include "tests/support/peak_memory.h"

#include <fstream>
#include <string>

namespace test_support {
namespace {

// A figure of /proc/self/status ("VmRSS", "VmHWM"), in bytes.
std::size_t statusFigure(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(name + ':', 0) == 0) return std::stoul(line.substr(name.size() + 1)) * 1024;
    return 0;
}

}  // namespace

PeakMemory::PeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak starts again from what is held now
    start_ = statusFigure("VmRSS");
}

std::size_t PeakMemory::growth() const {
    const std::size_t peak = statusFigure("VmHWM");
    return peak > start_ ? peak - start_ : 0;
}

}  // namespace test_support
