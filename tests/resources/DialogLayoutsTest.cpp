// The five dialog layouts against the catalogue, control by control.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/CommandIds.h"
#include "resources/DialogLayouts.h"
#include "resources/ResourceIds.h"

namespace {

using res::ControlKind;
using res::DluRect;
using namespace res::style;

struct ControlRow {
    int id;
    ControlKind kind;
    std::string text;
    DluRect rect;
    res::StyleFlags ownStyle;  // on top of WS_CHILD | WS_VISIBLE
};

struct DialogRow {
    int id;
    int width;
    int height;
    std::string title;
    std::vector<ControlRow> controls;
};

constexpr res::StyleFlags kPicture = BS_OWNERDRAW | BS_BITMAP | WS_TABSTOP;

// The catalogue's layouts, controls in layout order. The About box's second
// line is the program's own maker's notice.
const std::vector<DialogRow> kDialogRows = {
    {100,
     192,
     74,
     "About 2Glimbles",
     {{-1, ControlKind::StaticText, "2 Glimbles Version 1.5", {7, 7, 178, 8}, SS_CENTER | SS_NOPREFIX | WS_GROUP},
      {1, ControlKind::PushButton, "OK", {7, 49, 57, 18}, BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
      {1002, ControlKind::PushButton, "Get More Games", {108, 48, 77, 19}, BS_PUSHBUTTON | WS_TABSTOP},
      {-1, ControlKind::StaticText, std::string(res::kMakersNotice), {7, 21, 178, 12}, SS_CENTER | WS_GROUP}}},
    {138,
     228,
     114,
     "Set number of glimbles",
     {{1, ControlKind::PictureButton, "OK", {16, 77, 77, 23}, kPicture},
      {2, ControlKind::PictureButton, "Cancel", {135, 77, 77, 23}, kPicture}}},
    {143,
     186,
     95,
     "Enter your name",
     {{1, ControlKind::PictureButton, "OK", {57, 60, 71, 28}, kPicture},
      {1001, ControlKind::EditBox, "", {31, 15, 123, 17}, ES_CENTER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP}}},
    {144, 282, 159, "Best Results", {{1, ControlKind::PictureButton, "OK", {7, 122, 83, 30}, kPicture}}},
    {149,
     336,
     158,
     "Tips for 2Glimbles",
     {{1, ControlKind::PushButton, "Close", {279, 130, 50, 21}, BS_DEFPUSHBUTTON | WS_TABSTOP},
      {1007, ControlKind::PushButton, "Next Tip", {205, 130, 50, 21}, BS_PUSHBUTTON | WS_TABSTOP},
      {1008,
       ControlKind::CheckBox,
       "Do not show this dialog on the start.",
       {15, 138, 141, 13},
       BS_AUTOCHECKBOX | WS_TABSTOP}}},
};

void PrintTo(const DialogRow& row, std::ostream* os) { *os << "dialog " << row.id; }

class DialogLayoutTest : public ::testing::TestWithParam<DialogRow> {};

TEST_P(DialogLayoutTest, MatchesTheCatalogue) {
    const DialogRow& row = GetParam();
    const res::DialogLayout* layout = res::FindDialog(row.id);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->id, row.id);
    EXPECT_EQ(layout->width, row.width);
    EXPECT_EQ(layout->height, row.height);
    EXPECT_EQ(layout->title, row.title);
    EXPECT_EQ(layout->fontName, "MS Sans Serif");
    EXPECT_EQ(layout->fontPoints, 8);
    EXPECT_EQ(layout->style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);

    ASSERT_EQ(layout->controls.size(), row.controls.size());
    for (std::size_t i = 0; i < row.controls.size(); ++i) {
        const ControlRow& want = row.controls[i];
        const res::DialogControl& got = layout->controls[i];
        SCOPED_TRACE("control " + std::to_string(i) + " \"" + want.text + "\"");
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.rect, want.rect);
        EXPECT_EQ(got.style, WS_CHILD | WS_VISIBLE | want.ownStyle);
    }
}

TEST_P(DialogLayoutTest, ControlsLieInsideTheDialog) {
    const res::DialogLayout* layout = res::FindDialog(GetParam().id);
    ASSERT_NE(layout, nullptr);
    for (const res::DialogControl& c : layout->controls) {
        EXPECT_GE(c.rect.x, 0) << c.text.English();
        EXPECT_GE(c.rect.y, 0) << c.text.English();
        EXPECT_LE(c.rect.x + c.rect.w, layout->width) << c.text.English();
        EXPECT_LE(c.rect.y + c.rect.h, layout->height) << c.text.English();
    }
}

TEST_P(DialogLayoutTest, FindControlReturnsEachAddressedControl) {
    const res::DialogLayout* layout = res::FindDialog(GetParam().id);
    ASSERT_NE(layout, nullptr);
    for (const ControlRow& want : GetParam().controls) {
        if (want.id == res::IDC_STATIC) continue;
        const res::DialogControl* c = layout->FindControl(want.id);
        ASSERT_NE(c, nullptr) << want.id;
        EXPECT_EQ(c->text, want.text);
    }
    EXPECT_EQ(layout->FindControl(4242), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, DialogLayoutTest, ::testing::ValuesIn(kDialogRows),
                         [](const auto& info) { return "Dialog" + std::to_string(info.param.id); });

TEST(DialogLayouts, ThereAreExactlyTheFiveLayouts) {
    std::vector<int> ids;
    for (const res::DialogLayout& d : res::AllDialogs()) ids.push_back(d.id);
    EXPECT_EQ(ids, (std::vector<int>{100, 138, 143, 144, 149}));
    EXPECT_EQ(res::IDD_ABOUTBOX, 100);
    EXPECT_EQ(res::IDD_NUMBER_GLIMBLES, 138);
    EXPECT_EQ(res::IDD_GET_NAME, 143);
    EXPECT_EQ(res::IDD_BEST_RESULTS, 144);
    EXPECT_EQ(res::IDD_TIPS, 149);
}

TEST(DialogLayouts, UnknownIdsAreAbsent) {
    for (const int id : {0, -1, 101, 128, 130, 150, 65535}) EXPECT_EQ(res::FindDialog(id), nullptr) << id;
}

TEST(DialogLayouts, MakersNoticeNamesTheMakerAndFitsItsLine) {
    EXPECT_NE(res::kMakersNotice.English().find("Pellix"), std::string_view::npos);
    // About four dialog units per character: the line is 178 units wide.
    EXPECT_LE(res::kMakersNotice.English().size() * 4, 178u);
}

TEST(DialogLayouts, TipsControlsStayBelowThePictureArea) {
    // The tip picture covers client pixels 5..204 down; the controls start at
    // 130 dialog units, well below it at any usual font height.
    const res::DialogLayout* tips = res::FindDialog(res::IDD_TIPS);
    ASSERT_NE(tips, nullptr);
    for (const res::DialogControl& c : tips->controls) EXPECT_GE(c.rect.y, 130) << c.text.English();
}

}  // namespace
