#include "BoardKit.h"

TEST_F(TBoardTest, UndoBeforeAnyRemovalLeavesTheBoardAsItIs) {
    Lay(ThreeInTheCorner);
    Click(0, 0);
    const std::vector<std::string> before = Picture(Board);
    const int repaints = Owner.Repaints;
    Board.UndoMove();
    EXPECT_EQ(Picture(Board), before);
    EXPECT_EQ(Board.SelectedCount(), 3);
    EXPECT_FALSE(Board.Selecting());
    EXPECT_EQ(Owner.Repaints, repaints);
}

TEST_F(TBoardTest, UndoRightAfterARemovalBringsBackPositionAndScore) {
    Lay(ThreeInTheCorner);
    Click(8, 0);
    Click(8, 0);
    ASSERT_EQ(Board.Score(), 2);
    const std::vector<std::string> before = Picture(Board);
    Click(0, 0);
    Click(0, 0);
    ASSERT_EQ(Board.Score(), 8);

    Board.UndoMove();
    EXPECT_EQ(Picture(Board), before);
    EXPECT_EQ(Board.Score(), 2);
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 0);
    EXPECT_EQ(Owner.CountLine(), "Count = 2 selected = 0");
    ExpectLinksMatchCells(Board);

    Board.UndoMove();
    EXPECT_EQ(Picture(Board), before);
    EXPECT_EQ(Board.Score(), 2);
}

TEST_F(TBoardTest, UndoAfterAFurtherClickKeepsTheCurrentScore) {
    Lay(ThreeInTheCorner);
    const std::vector<std::string> before = Picture(Board);
    Click(0, 0);
    Click(0, 0);
    Click(5, 5); // marks nothing, but records the score for Undo
    Board.UndoMove();
    EXPECT_EQ(Picture(Board), before);
    EXPECT_EQ(Board.Score(), 6);
}

TEST_F(TBoardTest, UndoAfterTheEndKeepsTheGameOver) {
    Lay(Bottom({
        ".....0.....",
        ".....0.....",
    }));
    const std::vector<std::string> before = Picture(Board);
    Click(5, 11);
    Click(5, 11);
    ASSERT_TRUE(Board.GameOver());

    Board.UndoMove();
    EXPECT_EQ(Picture(Board), before);
    EXPECT_TRUE(Board.GameOver());
    EXPECT_EQ(Board.Score(), 0);
    Click(5, 11);
    EXPECT_EQ(Board.SelectedCount(), 0);

    // Hint still marks, but the group cannot be taken off until a new game.
    Board.ShowHint();
    EXPECT_EQ(Board.SelectedCount(), 2);
    Click(5, 11);
    EXPECT_FALSE(At(5, 11).Removed);
}

TEST_F(TBoardTest, UndoAfterStartBringsBackThePreviousGame) {
    Lay(ThreeInTheCorner);
    const std::vector<std::string> before = Picture(Board);
    Click(0, 0);
    Click(0, 0);
    Board.FixSeed(3);
    Board.StartGame();
    Board.UndoMove();
    EXPECT_EQ(Picture(Board), before);
    EXPECT_EQ(Board.Score(), 0);
}
