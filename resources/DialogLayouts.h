#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "resources/Text.h"

// The five dialog layouts. Positions and sizes are in dialog units: a
// horizontal unit is a quarter of the dialog font's average character width,
// a vertical unit an eighth of its height.
namespace res {

// Style flags of dialogs and controls, combined with |. These are this
// program's own bits; only their names carry meaning.
using StyleFlags = std::uint32_t;
namespace style {
// The dialog window, and what every control has.
inline constexpr StyleFlags WS_POPUP = 1u << 0;       // a top-level pop-up window
inline constexpr StyleFlags WS_CAPTION = 1u << 1;     // has a title bar
inline constexpr StyleFlags WS_SYSMENU = 1u << 2;     // has a window menu and close box
inline constexpr StyleFlags DS_MODALFRAME = 1u << 3;  // the frame of a modal dialog
inline constexpr StyleFlags DS_SETFONT = 1u << 4;     // uses the layout's own font
inline constexpr StyleFlags WS_CHILD = 1u << 5;       // a control inside its dialog
inline constexpr StyleFlags WS_VISIBLE = 1u << 6;     // shown when the dialog opens
inline constexpr StyleFlags WS_GROUP = 1u << 7;       // starts a group for arrow-key movement
inline constexpr StyleFlags WS_TABSTOP = 1u << 8;     // reached with the Tab key
inline constexpr StyleFlags WS_BORDER = 1u << 9;      // a thin border
// Static texts.
inline constexpr StyleFlags SS_CENTER = 1u << 10;    // text centred
inline constexpr StyleFlags SS_NOPREFIX = 1u << 11;  // "&" shown as itself, no access letter
// Buttons.
inline constexpr StyleFlags BS_PUSHBUTTON = 1u << 12;     // a plain push button
inline constexpr StyleFlags BS_DEFPUSHBUTTON = 1u << 13;  // the default button, pressed by Enter
inline constexpr StyleFlags BS_OWNERDRAW = 1u << 14;      // drawn by its dialog (from pictures)
inline constexpr StyleFlags BS_BITMAP = 1u << 15;         // shows a picture
inline constexpr StyleFlags BS_AUTOCHECKBOX = 1u << 16;   // a check box that toggles itself
// Edit boxes.
inline constexpr StyleFlags ES_CENTER = 1u << 17;       // text centred
inline constexpr StyleFlags ES_AUTOHSCROLL = 1u << 18;  // scrolls sideways while typing
}  // namespace style

// Every layout is a modal pop-up with caption and window menu.
inline constexpr StyleFlags kDialogStyle = style::WS_POPUP | style::WS_CAPTION | style::WS_SYSMENU |
                                           style::DS_MODALFRAME | style::DS_SETFONT;
// Every control is a visible child; its own flags come on top.
inline constexpr StyleFlags kControlStyle = style::WS_CHILD | style::WS_VISIBLE;

enum class ControlKind {
    StaticText,
    PushButton,
    PictureButton,  // takes the size of its picture, 120 x 50 pixels; the layout places its corner
    EditBox,
    CheckBox,
};

// A rectangle in dialog units: left, top, width, height.
struct DluRect {
    int x;
    int y;
    int w;
    int h;
    friend constexpr bool operator==(const DluRect&, const DluRect&) = default;
};

struct DialogControl {
    int id;  // IDC_STATIC (-1) for a text the code never addresses
    ControlKind kind;
    Text text;
    DluRect rect;
    StyleFlags style;  // includes kControlStyle
};

struct DialogLayout {
    int id;
    int width;   // dialog units
    int height;  // dialog units
    Text title;
    std::string_view fontName;
    int fontPoints;
    StyleFlags style;
    std::span<const DialogControl> controls;  // layout order, which is also the tab order

    // The control with `controlId`, or nullptr. For IDC_STATIC, the first one.
    const DialogControl* FindControl(int controlId) const;
};

// All five layouts, in id order.
std::span<const DialogLayout> AllDialogs();

// The layout with `id`, or nullptr when there is none.
const DialogLayout* FindDialog(int id);

// The About box's second line: the maker's notice.
inline constexpr Text kMakersNotice = GLIMBLES_TEXT("About dialog", "(C) Pellix. Free software: GPL v3 or later.");

}  // namespace res
