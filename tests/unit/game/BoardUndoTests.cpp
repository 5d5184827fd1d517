#include "BoardKit.h"

TEST_F(TBoardTest, UndoBringsBackTheBoardBeforeTheLastRemovalAndTheScoreOfTheLastClick) {
    Lay(ThreeInTheCorner);
    const std::vector<std::string> start = Picture(Board);
    Click(0, 0);
    const int repaints = Owner.Repaints;
    Board.UndoMove(); // nothing removed yet: the marking stays
    EXPECT_EQ(Board.SelectedCount(), 3);
    EXPECT_FALSE(Board.Selecting());
    EXPECT_EQ(Owner.Repaints, repaints);

    // A click that marks nothing still records the score for Undo.
    Click(0, 0);
    Click(5, 5);
    Board.UndoMove();
    EXPECT_EQ(Picture(Board), start);
    EXPECT_EQ(Board.Score(), 6);

    Click(8, 0);
    Click(8, 0);
    ASSERT_EQ(Board.Score(), 8);
    for (int twice = 0; twice < 2; ++twice) {
        Board.UndoMove();
        EXPECT_EQ(Picture(Board), start);
        EXPECT_EQ(Board.Score(), 6);
    }
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 0);
    EXPECT_EQ(Owner.CountLine(), "Count = 6 selected = 0");
    ExpectLinksMatchCells(Board);

    // A new game forgets the score, not the board.
    Board.FixSeed(3);
    Board.StartGame();
    Board.UndoMove();
    EXPECT_EQ(Picture(Board), start);
    EXPECT_EQ(Board.Score(), 0);
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
