// Arbitrary command streams through the replay driver and so through the
// engine: no input may crash it, hang it or leave its output contract, one
// JSON object per line for every line that is not skipped.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "tools/replay/Command.h"
#include "tools/replay/Replay.h"

namespace {

// Lines the driver answers: every line of `script` that does not parse as
// skipped, the last one counted even without its newline.
std::size_t AnsweredLines(std::string_view script) {
    std::size_t answered = 0;
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        if (replay::ParseLine(line).kind != replay::ParsedLine::Kind::Skip) ++answered;
        if (end == std::string_view::npos) break;
        script.remove_prefix(end + 1);
    }
    return answered;
}

void CheckOutput(std::string_view output, std::size_t expectedLines) {
    constexpr std::string_view kStart = "{\"op\":";
    std::size_t lines = 0;
    while (!output.empty()) {
        const std::size_t end = output.find('\n');
        fuzz::Check(end != std::string_view::npos, "every output line ends with a newline");
        const std::string_view line = output.substr(0, end);
        fuzz::Check(line.substr(0, kStart.size()) == kStart, "a line starts with its op");
        fuzz::Check(line.back() == '}', "a line is one whole object");
        for (const char c : line) {
            fuzz::Check(static_cast<unsigned char>(c) >= 0x20, "control characters are escaped");
        }
        ++lines;
        output.remove_prefix(end + 1);
    }
    fuzz::Check(lines == expectedLines, "one output line for every line not skipped");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    std::istringstream in(script);
    std::ostringstream out;
    replay::Run(in, out);
    CheckOutput(out.str(), AnsweredLines(script));
    return 0;
}
