#include "dialogs/TipCycle.h"

#include "resources/ResourceIds.h"
#include "shell/Settings.h"

namespace tips {
namespace {

// The tip pictures by index.
constexpr int kTipPictures[kTipCount] = {
    res::IDB_TIP_FIRST, res::IDB_TIP_FIRST + 1, res::IDB_TIP_FIRST + 2, res::IDB_TIP_FIRST + 3,
    res::IDB_TIP_LAST,
};
static_assert(res::IDB_TIP_LAST - res::IDB_TIP_FIRST + 1 == kTipCount);

}  // namespace

int PictureForIndex(int index) {
    if (index < 0 || index >= kTipCount) return kTipPictures[0];
    return kTipPictures[index];
}

int ShowNextTip(platform::ISettingsStore& store) {
    int index = game_settings::ReadTipsNumber(store);
    if (index >= kTipCount) index = 0;
    game_settings::WriteTipsNumber(store, index + 1);
    return PictureForIndex(index);
}

}  // namespace tips
