// The help window as a player finds it: Back and Forward return to the place
// left, each opening starts afresh at the contents, it opens beside the game,
// the manual keeps its own colours in a dark theme, and the link in keyboard
// focus is seen and heard.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "platform/fake/RecordingShellOpen.h"
#include "platform/qt/accessibility/Announce.h"
#include "shell/HelpWindow.h"
#include "shell/ManualBrowser.h"
#include "tests/TestAccess.h"

namespace {

// A long page with links to a place near its end and to a second page, in a
// folder of their own.
class TwoPages {
public:
    TwoPages() {
        Write("contents.html",
              "<html><head><title>Contents</title></head><body><p><a href='#end'>to the end</a> "
              "<a href='page2.html'>page two</a></p>" +
                  QByteArray(200, '\n').replace("\n", "<p>filler</p>") + "<h2 id='end'>The end</h2>" +
                  QByteArray(40, '\n').replace("\n", "<p>after</p>") + "</body></html>");
        Write("page2.html", "<html><head><title>Page Two</title></head><body>second</body></html>");
    }
    QString Contents() const { return m_dir.filePath("contents.html"); }

private:
    void Write(const QString& name, const QByteArray& text) {
        QFile file(m_dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QTemporaryDir m_dir;
};

// The help window opened on `manual`, with no owner unless given one.
struct OpenHelp {
    explicit OpenHelp(const QString& manual, QWidget* owner = nullptr) : help(shell, owner) {
        help.ShowContents(manual);
        QApplication::setActiveWindow(&help);
        QApplication::processEvents();
    }
    ManualBrowser& Browser() { return *TestAccess::Browser(help); }
    int Scrolled() { return Browser().verticalScrollBar()->value(); }
    std::string Shown() {
        const QUrl source = Browser().source();
        return (QFileInfo(source.toLocalFile()).fileName() + (source.hasFragment() ? '#' + source.fragment() : ""))
            .toStdString();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Browser(), key, modifiers);
    }

    platform::fake::RecordingShellOpen shell;
    HelpWindow help;
};

TEST(HelpHistory, BackAndForwardReturnToThePlaceLeft) {
    TwoPages pages;
    OpenHelp open(pages.Contents());
    open.Key(Qt::Key_Tab);  // the first link, "to the end", followed from the keyboard
    open.Key(Qt::Key_Return);
    ASSERT_EQ(open.Shown(), "contents.html#end");
    const int atEnd = open.Scrolled();
    ASSERT_GT(atEnd, 0);
    for (int round = 1; round <= 2; ++round) {
        TestAccess::BackAction(open.help)->trigger();
        EXPECT_EQ(open.Scrolled(), 0) << "Back, round " << round;
        TestAccess::ForwardAction(open.help)->trigger();
        EXPECT_EQ(open.Scrolled(), atEnd) << "Forward, round " << round;
    }

    // A place scrolled to by hand is kept as well.
    const int halfway = atEnd / 2;
    open.Browser().verticalScrollBar()->setValue(halfway);
    emit open.Browser().anchorClicked(QUrl("page2.html"));
    ASSERT_EQ(open.Shown(), "page2.html");
    TestAccess::BackAction(open.help)->trigger();
    EXPECT_EQ(open.Scrolled(), halfway);
    TestAccess::ForwardAction(open.help)->trigger();
    TestAccess::BackAction(open.help)->trigger();
    EXPECT_EQ(open.Scrolled(), halfway);
}

TEST(HelpHistory, EachOpeningStartsAfreshAtTheContents) {
    const std::vector<std::vector<const char*>> waysBeforeClosing = {
        {"page2.html"},
        {"#end"},
        {"#end", "page2.html", "back"},
    };
    TwoPages pages;
    OpenHelp open(pages.Contents());
    for (const auto& way : waysBeforeClosing) {
        open.help.ShowContents(pages.Contents());
        open.Key(Qt::Key_Tab);  // a link in focus
        for (const char* step : way) {
            if (QByteArray(step) == "back") {
                TestAccess::BackAction(open.help)->trigger();
            } else {
                emit open.Browser().anchorClicked(QUrl(step));
            }
        }
        open.help.close();
        open.help.ShowContents(pages.Contents());
        const std::string after = QStringList(way.begin(), way.end()).join(", ").toStdString();
        EXPECT_EQ(open.Shown(), "contents.html") << after;
        EXPECT_EQ(open.Scrolled(), 0) << after;
        EXPECT_FALSE(TestAccess::BackAction(open.help)->isEnabled()) << after;
        EXPECT_FALSE(TestAccess::ForwardAction(open.help)->isEnabled()) << after;
        EXPECT_FALSE(open.Browser().textCursor().hasSelection()) << "a link still in focus after " << after;
        TestAccess::BackAction(open.help)->trigger();
        EXPECT_EQ(open.Shown(), "contents.html") << after;
    }
}

TEST(HelpPlacement, OpensBesideTheGameWhereThereIsRoomElseOnItAndOnTheScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    if (screen.width() != 800 || screen.height() < 600)
        GTEST_SKIP() << "the screen is not 800 wide and 600 or more high";
    const int h = screen.height();
    const struct {
        const char* where;
        QRect game;   // its frame, on the screen as if that were at the origin
        QPoint help;  // the corner of the help window's frame, 300 x 200
    } cases[] = {
        {"right of it", {100, 100, 200, 150}, {300, 100}},
        {"left of it", {450, 100, 200, 150}, {150, 100}},
        {"centred on it", {250, 100, 300, 150}, {250, 75}},
        {"right, up from the bottom", {100, h - 100, 200, 100}, {300, h - 200}},
        {"right of it, partly off the screen", {-50, 30, 240, 150}, {190, 30}},
        {"centred on a game as big as the screen", {0, 0, 800, h}, {250, h / 2 - 100}},
    };
    TwoPages pages;
    QWidget game;
    game.show();
    OpenHelp open(pages.Contents(), &game);
    const QRect inside = game.geometry();
    const QRect frame = game.frameGeometry();
    const QMargins edges(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                         frame.bottom() - inside.bottom());
    for (const auto& c : cases) {
        open.help.close();
        game.setGeometry(c.game.translated(screen.topLeft()) - edges);
        open.help.resize(QSize(300, 200).shrunkBy(edges));
        open.help.ShowContents(pages.Contents());
        const QRect help = open.help.frameGeometry();
        EXPECT_EQ(help.x(), c.help.x() + screen.x()) << c.where;
        EXPECT_EQ(help.y(), c.help.y() + screen.y()) << c.where;
        EXPECT_TRUE(screen.contains(help)) << c.where;
    }

    // Help again while it is open leaves it where it is.
    const QPoint moved = screen.topLeft() + QPoint(10, 20);
    open.help.move(moved);
    open.help.ShowContents(pages.Contents());
    EXPECT_EQ(open.help.frameGeometry().topLeft(), moved);
}

// WCAG's contrast ratio of two colours.
double ContrastRatio(QColor a, QColor b) {
    const auto luminance = [](QColor c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The colour most pixels of `area` have: the ground the ink is on.
QRgb Ground(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
    }
    return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}

// The greatest contrast to `ground` of the pixels of `area` for which
// `counts` holds; 1 when there are none.
template <class Counts>
double InkContrast(const QImage& image, const QRect& area, QRgb ground, Counts counts) {
    double most = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (counts(x, y)) most = std::max(most, ContrastRatio(image.pixel(x, y), ground));
        }
    }
    return most;
}

// A dark desktop theme, as the application palette, for as long as it lives.
class DarkTheme {
public:
    DarkTheme() {
        QPalette dark = m_before;
        for (auto [role, colour] : {std::pair{QPalette::Window, 0x353535u},
                                    {QPalette::WindowText, 0xeeeeeeu},
                                    {QPalette::Base, 0x2d2d2du},
                                    {QPalette::Text, 0xeeeeeeu},
                                    {QPalette::Button, 0x353535u},
                                    {QPalette::ButtonText, 0xeeeeeeu},
                                    {QPalette::Link, 0x3584e4u},
                                    {QPalette::LinkVisited, 0x9b7be0u}}) {
            dark.setColor(role, QColor(colour));
        }
        QApplication::setPalette(dark);
    }
    ~DarkTheme() { QApplication::setPalette(m_before); }

private:
    QPalette m_before = QApplication::palette();
};

// The first link of `document`, selected.
QTextCursor FirstLink(QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            if (part.fragment().charFormat().anchorHref().isEmpty()) continue;
            QTextCursor link(&document);
            link.setPosition(part.fragment().position());
            link.setPosition(part.fragment().position() + part.fragment().length(), QTextCursor::KeepAnchor);
            return link;
        }
    }
    return {};
}

// Where the text between the ends of `span` stands in the browser's view.
QRect Shown(const QTextBrowser& browser, const QTextCursor& span) {
    QTextCursor start = span;
    start.setPosition(span.selectionStart());
    QTextCursor end = span;
    end.setPosition(span.selectionEnd());
    return QRect(browser.cursorRect(start).topLeft(), browser.cursorRect(end).bottomRight());
}

TEST(HelpColours, InADarkThemeTheManualsInkStandsOutFromItsPage) {
    DarkTheme dark;
    OpenHelp open(GLIMBLES_BUILT_MANUAL);
    ManualBrowser& browser = open.Browser();
    QTextDocument& document = *browser.document();
    QTextBlock listItem = document.begin();
    while (listItem.isValid() && listItem.textList() == nullptr) listItem = listItem.next();
    ASSERT_TRUE(listItem.isValid()) << "the manual has no list";
    const QTextCursor link = FirstLink(document);
    ASSERT_TRUE(link.hasSelection()) << "the manual has no link";

    // Both the first link and the first list are in view as the manual opens.
    const QImage page = browser.viewport()->grab().toImage();
    const QRect itemText = browser.cursorRect(QTextCursor(listItem));
    const QRect bullet(0, itemText.top(), itemText.left(), itemText.height());  // all left of its text
    const QRect linkText = Shown(browser, link);
    ASSERT_TRUE(page.rect().contains(bullet) && page.rect().contains(linkText)) << "not in view";
    const auto all = [](int, int) { return true; };
    EXPECT_GE(InkContrast(page, bullet, Ground(page, bullet), all), 4.5) << "a list bullet";
    EXPECT_GE(InkContrast(page, linkText, Ground(page, linkText), all), 4.5) << "a link";

    // The frame around the link in keyboard focus: what Tab draws.
    open.Key(Qt::Key_Tab);
    ASSERT_EQ(browser.textCursor().selectionStart(), link.selectionStart());
    const QImage focused = browser.viewport()->grab().toImage();
    const QRect around = linkText.adjusted(-4, -4, 4, 4);
    ASSERT_TRUE(page.rect().contains(around));
    const auto drawn = [&](int x, int y) { return focused.pixel(x, y) != page.pixel(x, y); };
    EXPECT_GE(InkContrast(focused, around, Ground(page, around), drawn), 3.0) << "the focus frame";
}

// What assistive tools heard of the text: the selection and the caret.
struct TextHeard {
    QAccessible::Event type;
    QObject* about;
    int start, end;  // the selection's, when selected
    int caret;
};
std::vector<TextHeard> g_textHeard;

void HearText(QAccessibleEvent* event) {
    if (event->type() == QAccessible::TextSelectionChanged) {
        const auto* selected = static_cast<QAccessibleTextSelectionEvent*>(event);
        g_textHeard.push_back({event->type(), event->object(), selected->selectionStart(), selected->selectionEnd(),
                               selected->cursorPosition()});
    } else if (event->type() == QAccessible::TextCaretMoved) {
        g_textHeard.push_back({event->type(), event->object(), -1, -1,
                               static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition()});
    }
}

TEST(HelpLinkFocus, AssistiveToolsHearOfEachLinkTabMovesTo) {
    TwoPages pages;
    OpenHelp open(pages.Contents());
    ManualBrowser& browser = open.Browser();
    platform::qt::SetAnnouncementListener(&HearText);
    for (Qt::KeyboardModifiers key : {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier}) {
        g_textHeard.clear();
        open.Key(Qt::Key_Tab, key);
        const QTextCursor link = browser.textCursor();
        ASSERT_TRUE(link.hasSelection()) << "no link in focus";
        ASSERT_EQ(g_textHeard.size(), 2u);
        EXPECT_EQ(g_textHeard[0].type, QAccessible::TextSelectionChanged);
        EXPECT_EQ(g_textHeard[0].start, link.selectionStart());
        EXPECT_EQ(g_textHeard[0].end, link.selectionEnd());
        EXPECT_EQ(g_textHeard[1].type, QAccessible::TextCaretMoved);
        EXPECT_EQ(g_textHeard[1].caret, link.position());
        for (const TextHeard& heard : g_textHeard) EXPECT_EQ(heard.about, &browser);
    }
    platform::qt::SetAnnouncementListener(nullptr);
}

}  // namespace
