#pragma once

#include <QString>

#include "platform/qt/Text.h"
#include "resources/ResourceIds.h"
#include "resources/Strings.h"

// The string table's texts as Qt shows them, in the player's language.
inline QString CatalogueString(int id) {
    const auto text = res::FindString(id);
    return text ? platform::qt::Tr(*text) : QString();
}
inline QString DocumentText(res::DocField field) { return platform::qt::ToQString(res::DocumentField(field)); }
// "glimbles": the caption of the game's message boxes.
inline QString AppTitle() { return CatalogueString(res::AFX_IDS_APP_TITLE); }
