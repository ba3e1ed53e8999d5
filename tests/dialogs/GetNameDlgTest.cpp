// The name prompt: what it offers, and what each way of closing it returns.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <string>

#include "dialogs/BitmapButton.h"
#include "dialogs/DialogColours.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/GetNameDlg.h"
#include "platform/qt/pictures/EmbeddedFiles.h"
#include "resources/CommandIds.h"
#include "tests/TestAccess.h"
#include "tests/dialogs/EmbeddedPictures.h"
#include "tests/dialogs/ModalAnswers.h"

namespace {

CBitmapButton* OkButton(CGetNameDlg& dialog) { return dialog.ControlAs<CBitmapButton>(res::IDOK); }

// Runs the dialog offering `offered`, answers it with `answer`, returns the name.
std::string AskName(const std::string& offered, std::function<void(CGetNameDlg&)> answer) {
    ModalAnswers answers;
    answers.Then<CGetNameDlg>(std::move(answer));
    CGetNameDlg dialog(offered, 56, EmbeddedPictures(), nullptr);
    dialog.exec();
    return dialog.Name();
}

void TypeName(CGetNameDlg& dialog, const QString& text) {
    QLineEdit* edit = dialog.NameEdit();
    edit->setFocus();
    edit->selectAll();
    // The test library types ASCII only; other characters come as one input.
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    if (ascii) {
        QTest::keyClicks(edit, text);
    } else {
        edit->insert(text);
    }
}

TEST(GetNameDlg, OffersTheNameCentredWithTheFocusOnOk) {
    ModalAnswers answers;
    answers.Then<CGetNameDlg>([](CGetNameDlg& dialog) {
        EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("    "));
        EXPECT_EQ(dialog.NameEdit()->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        EXPECT_EQ(dialog.focusWidget(), OkButton(dialog));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter your name"));
        EXPECT_EQ(dialog.NameEdit()->accessibleName(), dialog.windowTitle()) << "the box a screen reader names";
        dialog.accept();
    });
    CGetNameDlg dialog("    ", 56, EmbeddedPictures(), nullptr);
    dialog.exec();
}

TEST(GetNameDlg, EachWayOfClosingReturnsItsName) {
    // Enter and Space on the focused OK button take the offered name as it is.
    EXPECT_EQ(AskName("    ", [](CGetNameDlg& d) { QTest::keyClick(OkButton(d), Qt::Key_Return); }), "    ");
    EXPECT_EQ(AskName("Old", [](CGetNameDlg& d) { QTest::keyClick(OkButton(d), Qt::Key_Space); }), "Old");
    // Typed and confirmed with the OK button or with Enter in the edit box.
    EXPECT_EQ(AskName("Old",
                      [](CGetNameDlg& d) {
                          TypeName(d, QStringLiteral(" Zoë, \"x\" @ "));
                          QTest::mouseClick(OkButton(d), Qt::LeftButton);
                      }),
              " Zoë, \"x\" @ ");
    EXPECT_EQ(AskName("Old",
                      [](CGetNameDlg& d) {
                          TypeName(d, QStringLiteral("Anna"));
                          QTest::keyClick(d.NameEdit(), Qt::Key_Return);
                      }),
              "Anna");
    // Cleared and confirmed: an empty name.
    EXPECT_EQ(AskName("Old",
                      [](CGetNameDlg& d) {
                          d.NameEdit()->clear();
                          QTest::mouseClick(OkButton(d), Qt::LeftButton);
                      }),
              "");
    // Typed, then dismissed: the offered name comes back.
    EXPECT_EQ(AskName("Old",
                      [](CGetNameDlg& d) {
                          TypeName(d, QStringLiteral("Typed"));
                          QTest::keyClick(&d, Qt::Key_Escape);
                      }),
              "Old");
    EXPECT_EQ(AskName("Old",
                      [](CGetNameDlg& d) {
                          TypeName(d, QStringLiteral("Typed"));
                          d.close();  // the close box
                      }),
              "Old");
}

// Typing at once, while OK still has the focus: the first letter replaces the
// offered name and the rest follows in the edit box. Shortcuts and a space
// still act on the button.
TEST(GetNameDlg, TypingAtOnceStartsANewName) {
    const auto typeAtOnce = [](const char* keys) {
        return [keys](CGetNameDlg& d) {
            for (const char* k = keys; *k != '\0'; ++k) QTest::keyClick(d.focusWidget(), *k);
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        };
    };
    EXPECT_EQ(AskName("Old name", typeAtOnce("Bo 7")), "Bo 7");
    EXPECT_EQ(AskName("Old name", typeAtOnce(" ")), "Old name") << "a space still presses OK";
    EXPECT_EQ(AskName("Old name",
                      [](CGetNameDlg& d) {
                          QTest::keyClick(OkButton(d), Qt::Key_A, Qt::ControlModifier);
                          EXPECT_EQ(d.focusWidget(), OkButton(d));
                          QTest::keyClick(OkButton(d), Qt::Key_Return);
                      }),
              "Old name");
}

TEST(GetNameDlg, NameIsLimitedTo123Characters) {
    const std::string name = AskName("", [](CGetNameDlg& d) {
        TypeName(d, QString(200, QLatin1Char('a')));
        d.accept();
    });
    EXPECT_EQ(name, std::string(123, 'a'));
    // An offered name that is already long is cut in the box as well.
    EXPECT_EQ(AskName(std::string(300, 'b'), [](CGetNameDlg& d) { d.accept(); }), std::string(123, 'b'));
}

TEST(GetNameDlg, GreenBackgroundAndPictureButtonAtItsLayoutCorner) {
    CGetNameDlg dialog("x", 56, EmbeddedPictures(), nullptr);
    dialog.show();
    const QImage picture = dialog.grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(2, 2)), dialog_colours::kBackground);

    const res::DialogControl* ok = dialog.Layout().FindControl(res::IDOK);
    ASSERT_NE(ok, nullptr);
    const QRect expected = DialogUnitsToPixels(TestAccess::BaseUnits(dialog), ok->rect);
    EXPECT_EQ(OkButton(dialog)->geometry(), QRect(expected.topLeft(), QSize(120, 50)));
    EXPECT_TRUE(dialog.rect().contains(OkButton(dialog)->geometry()));
}

TEST(BitmapButton, ShowsThePressedPictureWhileHeld) {
    CGetNameDlg dialog("x", 56, EmbeddedPictures(), nullptr);
    dialog.show();
    CBitmapButton* ok = OkButton(dialog);
    EXPECT_EQ(ok->CurrentBitmap(), 139);
    QTest::mousePress(ok, Qt::LeftButton);
    EXPECT_EQ(ok->CurrentBitmap(), 140);
    // Released outside the button: no click, the picture returns to normal.
    QTest::mouseRelease(ok, Qt::LeftButton, {}, QPoint(-10, -10));
    EXPECT_EQ(ok->CurrentBitmap(), 139);
    EXPECT_TRUE(dialog.isVisible());
}

}  // namespace
