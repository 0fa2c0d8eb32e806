#pragma once
// The most memory the process has held since the object was made: the kernel's
// peak of the resident set (VmHWM), which the object resets when it is made.
#include <cstddef>

namespace test_support {

class PeakMemory {
public:
    PeakMemory();
    // How far the peak rose above the resident set at the start, in bytes.
    std::size_t growth() const;

private:
    std::size_t start_;
};

}  // namespace test_support
