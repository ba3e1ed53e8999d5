#pragma once

#include <optional>
#include <string_view>

#include "resources/Text.h"

// The string table entries the program's own code relies on.
namespace res {

// Looks up a string by id; nothing for an id the program does not have.
std::optional<Text> FindString(int id);

// The seven newline-separated fields of the document string (IDR_MAINFRAME).
enum class DocField {
    WindowTitle,       // "Glimbles"
    DocumentName,      // "Glimbles"
    NewFileName,       // "glimbles"
    FilterName,        // empty
    FilterExtension,   // empty
    RegistryTypeId,    // "glimbles.Document"
    RegistryTypeName,  // "glimbles Document"
};

// One field of the document string, empty when the string has fewer fields.
std::string_view DocumentField(DocField field);

}  // namespace res
