// What assistive tools read of the painted parts of the dialogs: the count
// picker as a spin box, a tip's picture as its words, the best results as a
// table of ten rows.
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

TEST(PaintedParts, TheCountPickerIsASpinBoxWithItsRange) {
    Listening listening;
    CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QAccessibleInterface* number = ChildWithRole(dialog, QAccessible::SpinBox);
    ASSERT_NE(number, nullptr);
    ASSERT_NE(number->valueInterface(), nullptr);
    EXPECT_EQ(number->text(QAccessible::Name), QStringLiteral("Set number of glimbles"));
    EXPECT_EQ(number->valueInterface()->currentValue().toInt(), 6);
    EXPECT_EQ(number->valueInterface()->minimumValue().toInt(), 4);
    EXPECT_EQ(number->valueInterface()->maximumValue().toInt(), 8);
    TestAccess::SetPressWait(dialog, [] {});
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Right);
    EXPECT_EQ(number->valueInterface()->currentValue().toInt(), 7);
    EXPECT_TRUE(listening.Heard(QAccessible::ValueChanged));
}

TEST(PaintedParts, ATipsPictureReadsAsItsWords) {
    Listening listening;
    platform::fake::MemorySettingsStore store;
    CTips tips(store, EmbeddedPictures(), nullptr);
    tips.show();
    QAccessibleInterface* picture = ChildWithRole(tips, QAccessible::Graphic);
    ASSERT_NE(picture, nullptr);
    for (int shown = 0; shown < 2; ++shown) {
        const res::TipText& words = res::kTipTexts[TestAccess::TipBitmap(tips) - 150];
        EXPECT_EQ(picture->text(QAccessible::Name).toStdString(), words.title.English());
        const QString description = picture->text(QAccessible::Description);
        EXPECT_FALSE(description.contains(QLatin1Char('*'))) << "no bold marks read out";
        EXPECT_TRUE(description.startsWith(QString::fromUtf8(words.body.english, 20).remove(QLatin1Char('*'))));
        QTest::mouseClick(tips.NextButton(), Qt::LeftButton);
    }
    EXPECT_TRUE(listening.Heard(QAccessible::NameChanged));
}

TEST(PaintedParts, TheBestResultsAreATableOfTenRows) {
    platform::fake::EventLog log;
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks{7};
    CPuzzle puzzle{sound, ticks};
    puzzle.Init(4, 11, 11);
    platform::fake::MemorySettingsStore store;
    store.values = {{"11_11_4_0/Rez", "90"}, {"11_11_4_0/Name", "Ann"}, {"11_11_4_1/Rez", "80"}};
    CBestResultsDlg dialog(&puzzle, store, EmbeddedPictures(), nullptr);
    QAccessibleInterface* table = ChildWithRole(dialog, QAccessible::Table);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Best results, 11 \u00D7 11 board, 4 glimbles"));
    EXPECT_EQ(table->tableInterface()->rowCount(), 10);
    EXPECT_EQ(table->tableInterface()->columnCount(), 2);
    EXPECT_EQ(table->childCount(), 20);
    EXPECT_EQ(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Ann"));
    EXPECT_EQ(table->tableInterface()->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("90"));
    EXPECT_EQ(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("80"));
    EXPECT_EQ(table->tableInterface()->cellAt(9, 1)->text(QAccessible::Name), QStringLiteral("0"));
    EXPECT_EQ(table->child(3), table->tableInterface()->cellAt(1, 1));
}

}  // namespace
