#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/replay/Replay.h"

namespace replaytest {

// Runs a script through the driver and returns its output lines.
inline std::vector<std::string> Replay(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    replay::Run(in, out);
    std::vector<std::string> lines;
    std::istringstream result(out.str());
    for (std::string line; std::getline(result, line);) lines.push_back(line);
    return lines;
}

}  // namespace replaytest
