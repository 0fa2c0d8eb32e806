#pragma once
// The floor of a level load: the same files read with nothing but the system's
// own open, read and close, straight into one buffer.
#include <string>
#include <vector>

namespace bench {

class FileFloor {
public:
    explicit FileFloor(std::vector<std::string> paths) : paths_(std::move(paths)) {}
    // Reads every file once; the total of bytes read (0 when one cannot be read).
    long readAll();
    std::size_t count() const { return paths_.size(); }

private:
    std::vector<std::string> paths_;
    std::vector<char> buffer_ = std::vector<char>(1 << 16);
};

}  // namespace bench
