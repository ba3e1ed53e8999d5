// What assistive tools read of the painted parts of the dialogs: the count
// picker as a spin box that takes the focus, a tip's picture as its words,
// the best results as a caption and a line a place.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QPushButton>
#include <QTest>

#include <vector>

#include "dialogs/BestResultsDlg.h"
#include "dialogs/NumberGlimb.h"
#include "dialogs/Tips.h"
#include "engine/Puzzle.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingSurface.h"
#include "platform/qt/accessibility/Announce.h"
#include "resources/TipTexts.h"
#include "tests/TestAccess.h"
#include "tests/dialogs/EmbeddedPictures.h"

namespace {

std::vector<QAccessible::Event> g_heard;
void Listen(QAccessibleEvent* event) { g_heard.push_back(event->type()); }

struct Listening {
    Listening() {
        g_heard.clear();
        platform::qt::SetAnnouncementListener(&Listen);
    }
    ~Listening() { platform::qt::SetAnnouncementListener(nullptr); }
    bool Heard(QAccessible::Event type) const { return std::count(g_heard.begin(), g_heard.end(), type) > 0; }
};

// The dialog's one child of `role`, its widgets' children aside.
QAccessibleInterface* ChildWithRole(QWidget& dialog, QAccessible::Role role) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&dialog);
    for (int i = 0; accessible != nullptr && i < accessible->childCount(); ++i) {
        QAccessibleInterface* child = accessible->child(i);
        if (child != nullptr && child->role() == role) {
            EXPECT_EQ(accessible->indexOfChild(child), i);
            EXPECT_EQ(child->parent(), accessible);
            return child;
        }
    }
    return nullptr;
}

TEST(PaintedParts, TheCountPickerIsAFocusedSpinBoxWithItsRange) {
    Listening listening;
    CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QAccessibleInterface* number = QAccessible::queryAccessibleInterface(dialog.focusWidget());
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->role(), QAccessible::SpinBox);
    ASSERT_NE(number->valueInterface(), nullptr);
    EXPECT_EQ(number->text(QAccessible::Name), QStringLiteral("Number of Glimbles"));
    EXPECT_EQ(number->text(QAccessible::Description), QStringLiteral("minimum 4, maximum 8"));
    EXPECT_EQ(number->valueInterface()->currentValue().toInt(), 6);
    EXPECT_EQ(number->valueInterface()->minimumValue().toInt(), 4);
    EXPECT_EQ(number->valueInterface()->maximumValue().toInt(), 8);
    TestAccess::SetPressWait(dialog, [] {});
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Right);
    EXPECT_EQ(number->valueInterface()->currentValue().toInt(), 7);
    EXPECT_EQ(number->text(QAccessible::Value), QStringLiteral("7"));
    EXPECT_TRUE(listening.Heard(QAccessible::ValueChanged));
}

TEST(PaintedParts, ATipReadsAsItsTitleAndWordsAndNextTipPopsUpANotice) {
    Listening listening;
    platform::fake::MemorySettingsStore store;
    CTips tips(store, EmbeddedPictures(), nullptr);
    tips.show();
    QAccessibleInterface* label = ChildWithRole(tips, QAccessible::StaticText);
    ASSERT_NE(label, nullptr);
    for (int shown = 0; shown < 2; ++shown) {
        const res::TipText& words = res::kTipTexts[TestAccess::TipBitmap(tips) - 150];
        const QString read = label->text(QAccessible::Name);
        EXPECT_TRUE(read.startsWith(QString::fromUtf8(words.title.English()) + QLatin1Char('\n'))) << shown;
        EXPECT_TRUE(read.contains(QString::fromUtf8(words.body.english, 20).remove(QLatin1Char('*')))) << shown;
        EXPECT_FALSE(read.contains(QLatin1Char('*'))) << "no bold marks read out";
        EXPECT_EQ(listening.Heard(QAccessible::ObjectShow), shown > 0) << "a notice pops up at Next Tip only";
        QTest::mouseClick(tips.NextButton(), Qt::LeftButton);
    }
    EXPECT_TRUE(listening.Heard(QAccessible::NameChanged));
}

TEST(PaintedParts, TheBestResultsReadAsTheirCaptionAndALineAPlace) {
    platform::fake::EventLog log;
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks{7};
    CPuzzle puzzle{sound, ticks};
    puzzle.Init(4, 11, 11);
    platform::fake::MemorySettingsStore store;
    store.values = {{"11_11_4_0/Rez", "90"}, {"11_11_4_0/Name", "Ann %1"}, {"11_11_4_1/Rez", "80"}};
    CBestResultsDlg dialog(&puzzle, store, EmbeddedPictures(), nullptr);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&dialog);
    QStringList read;
    for (int i = 0; i < accessible->childCount(); ++i)
        if (accessible->child(i)->role() == QAccessible::StaticText)
            read << accessible->child(i)->text(QAccessible::Name);
    ASSERT_EQ(read.size(), 11);
    EXPECT_EQ(read[0], QStringLiteral("Best results, 11 \u00D7 11 board, 4 glimbles"));
    EXPECT_EQ(read[1], QStringLiteral("1. Ann %1, points 90")) << "a name is read as it is";
    EXPECT_EQ(read[2], QStringLiteral("2. , points 80"));
    EXPECT_EQ(read[10], QStringLiteral("10. empty"));
}

}  // namespace
