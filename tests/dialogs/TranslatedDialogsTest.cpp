// The dialogs in other languages: longer texts get room, nothing bypasses
// translation, and right-to-left languages see every dialog mirrored.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include "dialogs/CountField.h"
#include "dialogs/LayoutDialog.h"
#include "dialogs/NumberGlimb.h"
#include "shell/Language.h"
#include "tests/dialogs/EmbeddedPictures.h"
#include "tests/fakes/PseudoLanguage.h"

namespace {

struct FitCase {
    const char* name;
    std::vector<QRect> controls;
    std::vector<int> needed;
    std::vector<QRect> expected;
    int clientWidth;
};

TEST(FitTexts, GrowsWhatLacksRoomAndMovesItsNeighbours) {
    const FitCase cases[] = {
        {"texts that fit change nothing",
         {{10, 10, 50, 20}, {70, 10, 50, 20}},
         {40, 50},
         {{10, 10, 50, 20}, {70, 10, 50, 20}},
         200},
        {"a wider text pushes its right-hand neighbour",
         {{10, 10, 50, 20}, {70, 10, 50, 20}},
         {80, 0},
         {{10, 10, 80, 20}, {100, 10, 50, 20}},
         200},
        {"a control on another line stays",
         {{10, 10, 50, 20}, {70, 40, 50, 20}},
         {80, 0},
         {{10, 10, 80, 20}, {70, 40, 50, 20}},
         200},
        {"the client grows to keep its margin",
         {{10, 10, 50, 20}, {70, 10, 50, 20}},
         {0, 200},
         {{10, 10, 50, 20}, {70, 10, 200, 20}},
         275},
    };
    for (const FitCase& c : cases) {
        LayoutGeometry g{{200, 100}, c.controls};
        FitTexts(g, c.needed);
        EXPECT_EQ(g.controls, c.expected) << c.name;
        EXPECT_EQ(g.client.width(), c.clientWidth) << c.name;
    }
}

// The texts a layout dialog's controls show, with their widgets.
std::vector<std::pair<QWidget*, QString>> Texts(const CLayoutDialog& dialog) {
    std::vector<std::pair<QWidget*, QString>> texts;
    for (const res::DialogControl& control : dialog.Layout().controls) {
        QWidget* widget = dialog.Control(control.id);
        if (control.id == -1) continue;  // several share the id; the labels are read below
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts.emplace_back(widget, button->text());
    }
    for (QLabel* label : dialog.findChildren<QLabel*>()) texts.emplace_back(label, label->text());
    return texts;
}

TEST(TranslatedDialogs, EnglishKeepsEveryLayoutExactly) {
    for (const res::DialogLayout& layout : res::AllDialogs()) {
        CLayoutDialog dialog(layout.id, EmbeddedPictures(), nullptr);
        const LayoutGeometry want = ComputeLayout(layout, DialogBaseUnits(QFontMetrics(dialog.font())));
        EXPECT_EQ(dialog.size(), want.client) << layout.title.English();
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            if (layout.controls[i].id == -1) continue;
            EXPECT_EQ(dialog.Control(layout.controls[i].id)->geometry(), want.controls[i]) << layout.title.English();
        }
    }
}

TEST(TranslatedDialogs, EveryTextIsTranslatedAndFitsItsControl) {
    const PseudoLanguageInstalled pseudo;
    for (const res::DialogLayout& layout : res::AllDialogs()) {
        CLayoutDialog dialog(layout.id, EmbeddedPictures(), nullptr);
        SCOPED_TRACE(layout.title.English());
        EXPECT_TRUE(PseudoLanguage::IsPseudo(dialog.windowTitle())) << dialog.windowTitle().toStdString();
        for (const auto& [widget, text] : Texts(dialog)) {
            EXPECT_TRUE(PseudoLanguage::IsPseudo(text)) << text.toStdString();
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << text.toStdString();
            EXPECT_TRUE(dialog.rect().contains(widget->geometry())) << text.toStdString();
        }
    }
}

TEST(TranslatedDialogs, EveryShippedLanguageFitsEveryDialog) {
    for (const QString& code : ShippedLanguages()) {
        const SpokenLanguage language(code);
        ASSERT_TRUE(language.Spoken()) << code.toStdString();
        for (const res::DialogLayout& layout : res::AllDialogs()) {
            CLayoutDialog dialog(layout.id, EmbeddedPictures(), nullptr);
            SCOPED_TRACE(code.toStdString() + ": " + layout.title.english);
            EXPECT_NE(dialog.windowTitle(), QString::fromUtf8(layout.title.english));
            for (const auto& [widget, text] : Texts(dialog)) {
                EXPECT_GE(widget->width(), widget->sizeHint().width()) << text.toStdString();
                EXPECT_TRUE(dialog.rect().contains(widget->geometry())) << text.toStdString();
            }
        }
    }
}

// What a screen reader says of the count picker's number in every language:
// the menu item's words without its access key, and the range.
TEST(TranslatedDialogs, TheCountPickersNumberIsNamedWithoutTheMenusAccessKey) {
    for (const QString& code : ShippedLanguages()) {
        const SpokenLanguage language(code);
        const CNumberGlimb dialog(4, 8, 6, EmbeddedPictures(), nullptr);
        const QWidget* number = dialog.findChild<CountField*>();
        ASSERT_NE(number, nullptr);
        const QString name = number->accessibleName();
        SCOPED_TRACE(code.toStdString() + ": " + name.toStdString());
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(name.contains(QLatin1Char('&')));
        EXPECT_FALSE(name.contains(QLatin1Char('(')) || name.contains(QChar(0xFF08))) << "the bracketed key left in";
        EXPECT_FALSE(name.endsWith(QLatin1Char(' ')));
        EXPECT_TRUE(number->accessibleDescription().contains(QLatin1Char('4')));
        EXPECT_TRUE(number->accessibleDescription().contains(QLatin1Char('8')));
    }
}

TEST(TranslatedDialogs, RightToLeftMirrorsEveryControl) {
    for (const res::DialogLayout& layout : res::AllDialogs()) {
        CLayoutDialog leftToRight(layout.id, EmbeddedPictures(), nullptr);
        QApplication::setLayoutDirection(Qt::RightToLeft);
        CLayoutDialog rightToLeft(layout.id, EmbeddedPictures(), nullptr);
        QApplication::setLayoutDirection(Qt::LeftToRight);
        for (const res::DialogControl& control : layout.controls) {
            if (control.id == -1) continue;
            const QRect ltr = leftToRight.Control(control.id)->geometry();
            const QRect rtl = rightToLeft.Control(control.id)->geometry();
            EXPECT_EQ(rtl.left(), leftToRight.width() - ltr.left() - ltr.width()) << layout.title.English();
            EXPECT_EQ(rtl.top(), ltr.top());
        }
    }
}

}  // namespace
