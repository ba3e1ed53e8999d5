#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/fake/RecordingSurface.h"

// The pieces of the replay tool's JSON output, appended to a string.
namespace replay::json {

// `text` as a JSON string with its quotes. Control characters are escaped;
// bytes that are not valid UTF-8 become U+FFFD, so the output always is.
void AppendString(std::string& out, std::string_view text);

void AppendInt(std::string& out, long long value);

// The events as a JSON array: a copy is
// [bitmap, sx, sy, sw, sh, dx, dy, dw, dh], a sound is ["sound", name].
void AppendEvents(std::string& out, const std::vector<platform::fake::Event>& events);

}  // namespace replay::json
