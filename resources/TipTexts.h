#pragma once

#include "resources/Text.h"

// What each tip picture says, in the order of its pictures (the first tip
// picture is tip 0). The pictures are drawn with these words; the tips
// dialog reads them out to assistive tools. Text between asterisks is set in
// bold; a blank line starts a paragraph. The status tip says its second
// part beside the first.
namespace res {

struct TipText {
    Text title;
    Text body;
    Text aside;  // a second text block, or empty
};

inline constexpr TipText kTipTexts[] = {
    {GLIMBLES_TEXT("Tips", "What a number means"),
     GLIMBLES_TEXT(
         "Tips",
         "The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both "
         "of its *diagonals*.\n\nThis 3 sees three of them. Every glimble you collect lowers the numbers on its lines "
         "by one."),
     {}},
    {GLIMBLES_TEXT("Tips", "You found a glimble!"),
     GLIMBLES_TEXT(
         "Tips",
         "A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles "
         "still hidden on its four lines.\n\nOne tile can hide several glimbles: click a found tile again to look. If "
         "none is left, it costs nothing."),
     {}},
    {GLIMBLES_TEXT("Tips", "Points and glimbles"),
     GLIMBLES_TEXT("Tips",
                   "*Points* is your score. It starts at the number of tiles and drops by one with every tile you "
                   "select."),
     GLIMBLES_TEXT("Tips", "*Glimbles* counts those still hidden. Find them all with as few clicks as you can.")},
    {GLIMBLES_TEXT("Tips", "Size and number"),
     GLIMBLES_TEXT("Tips",
                   "*Options > Set Size* picks the board, from Tiny (8 \u00D7 8) up to Huge (20 \u00D7 "
                   "20).\n\n*Options > "
                   "Number of Glimbles* sets how many hide: on an N \u00D7 N board, from N/2 up to N."),
     {}},
    {GLIMBLES_TEXT("Tips", "A zero clears four lines"),
     GLIMBLES_TEXT("Tips",
                   "A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those "
                   "lines is "
                   "empty, so don't spend points there.\n\nLook between the lines instead: only the marked tiles can "
                   "still hide a "
                   "glimble."),
     {}},
};

}  // namespace res
