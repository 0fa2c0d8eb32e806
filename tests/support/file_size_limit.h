#pragma once
// A write that fails halfway, for real: for its lifetime the process may not
// write any file beyond `bytes` (the system's file size limit), as a full disk
// would stop it. The signal that the limit raises is ignored meanwhile, so the
// write only reports its failure.
#include <sys/resource.h>

#include <csignal>

namespace test_support {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

}  // namespace test_support
