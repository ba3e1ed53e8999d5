#include "dialogs/TipCycle.h"

#include "engine/Settings.h"
#include "resources/ResourceIds.h"

namespace tips {
namespace {

// The tip pictures by index.
constexpr int kTipPictures[kTipCount] = {
    res::IDB_TIP_FIRST, res::IDB_TIP_FIRST + 1, res::IDB_TIP_FIRST + 2, res::IDB_TIP_FIRST + 3, res::IDB_TIP_LAST,
};
static_assert(res::IDB_TIP_LAST - res::IDB_TIP_FIRST + 1 == kTipCount);

}  // namespace

int PictureForIndex(int index) {
    if (index < 0 || index >= kTipCount) return kTipPictures[0];
    return kTipPictures[index];
}

int ShowNextTip(platform::ISettingsStore& store) {
    int index = game_settings::Read(store, game_settings::kTipsNumber);
    if (index >= kTipCount) index = 0;
    game_settings::Write(store, game_settings::kTipsNumber, index + 1);
    return PictureForIndex(index);
}

}  // namespace tips
