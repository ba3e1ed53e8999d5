// Runs a fuzz target once over every file of the seed corpora named on the
// command line, so the ordinary builds test the targets and their seeds
// without libFuzzer. Exit status 0 when every seed passed; a broken
// property aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::size_t seeds = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::string data{std::istreambuf_iterator<char>(in), {}};
            std::printf("%s\n", file.filename().c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
            ++seeds;
        }
    }
    std::printf("%zu seeds passed\n", seeds);
    return seeds > 0 ? 0 : 1;
}
