// Feeds every file of the given corpus folders (or single files) to the fuzz
// target once, so a normal g++ build replays the committed corpus as a test.
// A crash or sanitizer report fails the run; so does an empty or missing corpus,
// which would otherwise pass without testing anything.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// A target that sets up once (the editor's window) does it here, as libFuzzer calls it first.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> inputsOf(const std::filesystem::path& place)
{
    std::vector<std::filesystem::path> inputs;
    if (std::filesystem::is_directory(place)) {
        for (const auto& entry : std::filesystem::directory_iterator(place))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else if (std::filesystem::is_regular_file(place)) {
        inputs.push_back(place);
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& input : inputsOf(argv[i])) {
            const auto bytes = bytesOf(input);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++replayed;
        }
    }
    std::printf("replayed %zu inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
