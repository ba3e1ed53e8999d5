// Playing from the keyboard: the board cursor's moves, a game won with keys
// alone, and a picture that shows the cursor only while the keys are used.
#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>

#include "engine/TileCode.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "shell/BoardCursor.h"
#include "tests/TestAccess.h"
#include "tests/shell/ShellRig.h"

namespace {

using Move = BoardCursor::Move;

TEST(BoardCursor, StepsAndJumpsStopAtTheEdges) {
    struct Case {
        Move move;
        int column, row;  // after the move, from (2, 3) on a 5 x 6 board
    };
    for (const Case& c : {Case{Move::Left, 1, 3}, Case{Move::Right, 3, 3}, Case{Move::Up, 2, 2}, Case{Move::Down, 2, 4},
                          Case{Move::RowStart, 0, 3}, Case{Move::RowEnd, 4, 3}, Case{Move::ColumnTop, 2, 0},
                          Case{Move::ColumnBottom, 2, 5}}) {
        BoardCursor cursor;
        cursor.Apply(Move::Right, 5, 6);
        cursor.Apply(Move::Right, 5, 6);
        for (int i = 0; i < 3; ++i) cursor.Apply(Move::Down, 5, 6);
        cursor.Apply(c.move, 5, 6);
        EXPECT_EQ(cursor.Column(), c.column);
        EXPECT_EQ(cursor.Row(), c.row);
    }
    BoardCursor corner;
    corner.Apply(Move::Left, 5, 6);
    corner.Apply(Move::Up, 5, 6);
    EXPECT_EQ(corner.Column() + corner.Row(), 0) << "no step past the top-left tile";
    corner.Apply(Move::RowEnd, 20, 20);
    corner.Apply(Move::ColumnBottom, 20, 20);
    corner.ClampTo(8, 8);
    EXPECT_EQ(corner.Column(), 7);
    EXPECT_EQ(corner.Row(), 7);
}

struct KeyRig : ShellRig {
    KeyRig() {
        settings.values = {{"Size", "8"}, {"Number", "4"}, {"ShowTips", "1"}};
        Start();
        Frame().show();
        Paint();
    }
    void Key(int key) { QTest::keyClick(&View(), static_cast<Qt::Key>(key)); }
    // The cursor to (column, row) with the arrows from wherever it is.
    void GoTo(int column, int row) {
        while (TestAccess::Cursor(View()).Column() < column) Key(Qt::Key_Right);
        while (TestAccess::Cursor(View()).Column() > column) Key(Qt::Key_Left);
        while (TestAccess::Cursor(View()).Row() < row) Key(Qt::Key_Down);
        while (TestAccess::Cursor(View()).Row() > row) Key(Qt::Key_Up);
    }
    QImage Shown() { return View().grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QImage Kept() { return View().WindowImage().copy(QRect(QPoint(0, 0), View().size())); }
};

TEST(Keyboard, AGameWonWithKeysAloneEndsAsAMouseWonGame) {
    KeyRig rig;
    rig.Puzzle().Init(0, 8, 8);
    rig.Puzzle().SetHidden(1, 2, 1);
    rig.Puzzle().SetHidden(6, 6, 2);
    ASSERT_EQ(rig.Puzzle().GetRemaining(), 3);
    const int count = rig.Puzzle().GetCount();
    rig.Key(Qt::Key_Space);  // the first key only shows the cursor
    EXPECT_TRUE(TestAccess::Cursor(rig.View()).Shown());
    EXPECT_TRUE(tile::IsCovered(rig.Puzzle().GetTile(0, 0)));
    rig.GoTo(1, 2);
    rig.Key(Qt::Key_Space);
    rig.GoTo(6, 6);
    rig.Key(Qt::Key_Return);
    rig.Key(Qt::Key_Enter);
    ASSERT_EQ(rig.dialogs.results.size(), 1u);
    EXPECT_EQ(rig.dialogs.results[0], (ScriptedDialogs::Result{8, 8, count, 64 - 3}));
    EXPECT_TRUE(tile::IsCovered(rig.Puzzle().GetTile(6, 6))) << "a new board follows";
    EXPECT_EQ(TestAccess::Cursor(rig.View()).Column(), 6) << "the cursor keeps its place";
}

TEST(Keyboard, TheCursorShowsOnlyWhileTheKeysAreUsed) {
    KeyRig rig;
    EXPECT_EQ(rig.Shown(), rig.Kept()) << "no cursor before a key";
    rig.Key(Qt::Key_Down);
    rig.Paint();
    const QImage withCursor = rig.Shown();
    const int cell = rig.Puzzle().GetCellSize();
    const QRect tile(0, 0, cell, cell);
    EXPECT_NE(withCursor.copy(tile), rig.Kept().copy(tile));
    QImage outside = withCursor;
    QImage kept = rig.Kept();
    QPainter(&outside).fillRect(tile, Qt::black);
    QPainter(&kept).fillRect(tile, Qt::black);
    EXPECT_EQ(outside, kept) << "the cursor changes its own tile only";
    QTest::mouseClick(&rig.View(), Qt::LeftButton, {}, QPoint(cell * 5 + 3, cell * 5 + 3));
    rig.Paint();
    EXPECT_FALSE(TestAccess::Cursor(rig.View()).Shown());
    EXPECT_EQ(rig.Shown(), rig.Kept()) << "a mouse press on the board hides it";
}

TEST(Keyboard, ASmallerBoardKeepsTheCursorOnIt) {
    KeyRig rig;
    ASSERT_TRUE(rig.Frame().OnCommand(res::kLargestBoard.command));
    rig.Key(Qt::Key_End);
    rig.Key(Qt::Key_End);
    rig.Key(Qt::Key_PageDown);
    EXPECT_EQ(TestAccess::Cursor(rig.View()).Column(), 19);
    EXPECT_EQ(TestAccess::Cursor(rig.View()).Row(), 19);
    ASSERT_TRUE(rig.Frame().OnCommand(res::kSmallestBoard.command));
    EXPECT_EQ(TestAccess::Cursor(rig.View()).Column(), 7);
    EXPECT_EQ(TestAccess::Cursor(rig.View()).Row(), 7);
}

}  // namespace
