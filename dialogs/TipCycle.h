#pragma once

#include "platform/SettingsStore.h"

// Which tip picture the tips dialog shows next. "TipsNumber" holds the index
// of the next tip; each showing stores the index after the one shown, so the
// five tips follow one another across openings and Next Tip presses.
namespace tips {

inline constexpr int kTipCount = 5;

// The picture for a stored index: 0 to 4 are tips 1 to 5; anything else
// shows tip 1.
int PictureForIndex(int index);

// Reads "TipsNumber", starts again at tip 1 past the last tip, stores the
// index after it and returns the picture to show. A negative index shows
// tip 1 and counts up by one per showing.
int ShowNextTip(platform::ISettingsStore& store);

}  // namespace tips
