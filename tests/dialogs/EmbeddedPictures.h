#pragma once

#include "platform/qt/pictures/ScaledPictures.h"

// The program's embedded pictures, for dialogs a test opens on its own.
inline platform::qt::ScaledPictures& EmbeddedPictures() {
    static platform::qt::ScaledPictures pictures;
    return pictures;
}
