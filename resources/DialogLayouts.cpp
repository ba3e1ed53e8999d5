#include "resources/DialogLayouts.h"

#include "resources/CommandIds.h"
#include "resources/Pictures.h"
#include "resources/ResourceIds.h"

namespace res {
namespace {

using namespace style;

constexpr std::string_view kFont = "MS Sans Serif";
constexpr int kFontPoints = 8;

constexpr StyleFlags kPictureButton = kControlStyle | BS_OWNERDRAW | BS_BITMAP | WS_TABSTOP;

constexpr DialogControl kAbout[] = {
    {IDC_STATIC,
     ControlKind::StaticText,
     GLIMBLES_TEXT("About dialog", "2 Glimbles Version 1.5"),
     {7, 7, 178, 8},
     kControlStyle | SS_CENTER | SS_NOPREFIX | WS_GROUP},
    {IDOK,
     ControlKind::PushButton,
     GLIMBLES_TEXT("About dialog", "OK"),
     {7, 49, 57, 18},
     kControlStyle | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
    {IDC_GET_MORE_GAMES,
     ControlKind::PushButton,
     GLIMBLES_TEXT("About dialog", "Get More Games"),
     {108, 48, 77, 19},
     kControlStyle | BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_STATIC, ControlKind::StaticText, kMakersNotice, {7, 21, 178, 12}, kControlStyle | SS_CENTER | WS_GROUP},
};

constexpr DialogControl kNumberGlimbles[] = {
    {IDOK, ControlKind::PictureButton, kOkWord, {16, 77, 77, 23}, kPictureButton},
    {IDCANCEL, ControlKind::PictureButton, kCancelWord, {135, 77, 77, 23}, kPictureButton},
};

constexpr DialogControl kGetName[] = {
    {IDOK, ControlKind::PictureButton, kOkWord, {57, 60, 71, 28}, kPictureButton},
    {IDC_NAME_EDIT,
     ControlKind::EditBox,
     {},
     {31, 15, 123, 17},
     kControlStyle | ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
};

constexpr DialogControl kBestResults[] = {
    {IDOK, ControlKind::PictureButton, kOkWord, {7, 122, 83, 30}, kPictureButton},
};

constexpr DialogControl kTips[] = {
    {IDOK,
     ControlKind::PushButton,
     GLIMBLES_TEXT("Tips dialog", "Close"),
     {279, 130, 50, 21},
     kControlStyle | BS_DEFPUSHBUTTON | WS_TABSTOP},
    {IDC_NEXT_TIP,
     ControlKind::PushButton,
     GLIMBLES_TEXT("Tips dialog", "Next Tip"),
     {205, 130, 50, 21},
     kControlStyle | BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_DONT_SHOW_TIPS,
     ControlKind::CheckBox,
     GLIMBLES_TEXT("Tips dialog", "Do not show this dialog on the start."),
     {15, 138, 141, 13},
     kControlStyle | BS_AUTOCHECKBOX | WS_TABSTOP},
};

constexpr DialogLayout kDialogs[] = {
    {IDD_ABOUTBOX, 192, 74, GLIMBLES_TEXT("About dialog", "About 2Glimbles"), kFont, kFontPoints, kDialogStyle, kAbout},
    {IDD_NUMBER_GLIMBLES, 228, 114, GLIMBLES_TEXT("Count dialog", "Set number of glimbles"), kFont, kFontPoints,
     kDialogStyle, kNumberGlimbles},
    {IDD_GET_NAME, 186, 95, GLIMBLES_TEXT("Name dialog", "Enter your name"), kFont, kFontPoints, kDialogStyle,
     kGetName},
    {IDD_BEST_RESULTS, 282, 159, GLIMBLES_TEXT("Best Results dialog", "Best Results"), kFont, kFontPoints, kDialogStyle,
     kBestResults},
    {IDD_TIPS, 336, 158, GLIMBLES_TEXT("Tips dialog", "Tips for 2Glimbles"), kFont, kFontPoints, kDialogStyle, kTips},
};

}  // namespace

const DialogControl* DialogLayout::FindControl(int controlId) const {
    for (const DialogControl& c : controls) {
        if (c.id == controlId) return &c;
    }
    return nullptr;
}

std::span<const DialogLayout> AllDialogs() { return kDialogs; }

const DialogLayout* FindDialog(int id) {
    for (const DialogLayout& d : kDialogs) {
        if (d.id == id) return &d;
    }
    return nullptr;
}

}  // namespace res
