#include "BoardKit.h"

TEST_F(TBoardTest, HintPrefersTheCompactBlockAndTiesGoToTheGroupReachedFirst) {
    Lay(Top({
        "0..........",
        "0..........",
        "0....11....",
        "0....11....",
        "0....11....",
        "0..........",
        "0..........",
    }));
    // A group is worth 2 x (adjacent pairs in it) + 1: the 2 x 3 block 15, the line of seven 13.
    Board.ShowHint();
    EXPECT_EQ(Board.SelectedCount(), 6);
    EXPECT_TRUE(At(5, 2).Selected);
    EXPECT_FALSE(Board.Selecting());
    EXPECT_EQ(Owner.CountLine(), "Count = 0 selected = 30");

    // Stones are created column by column: a 2 x 2 block and a line of five are both worth 9.
    for (const int blockColumn : {3, 0}) {
        std::vector<std::string> picture =
            Top({"...........", "...........", "...........", "...........", "...........", "..11111...."});
        picture[0].replace(blockColumn, 2, "22");
        picture[1].replace(blockColumn, 2, "22");
        Lay(picture);
        Board.ShowHint();
        EXPECT_EQ(Board.SelectedCount(), blockColumn < 2 ? 4 : 5) << blockColumn;
    }
}

TEST_F(TBoardTest, HintTwiceKeepsPickingAndTheNextClickJoinsTheMarking) {
    Lay(Top({
        "...11......",
        "...11......",
        "...11......",
    }));
    Board.ShowHint();
    Board.ShowHint();
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 6);

    Click(8, 8); // a lone stone
    EXPECT_FALSE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 7);
    Click(8, 8);
    EXPECT_EQ(Board.Score(), 42);
    EXPECT_EQ(Owner.Sounds, std::vector<TRemovalSound>{TRemovalSound::Sound1});
}

TEST_F(TBoardTest, GameEndsWhenNoPairIsLeftAndClicksThenDoNothing) {
    Lay(Bottom({
        ".....0.....",
        ".....0.....",
    }));
    Click(5, 11);
    EXPECT_FALSE(Board.GameOver());
    EXPECT_TRUE(Owner.Messages.empty());
    Click(5, 10);
    EXPECT_TRUE(Board.GameOver());
    EXPECT_EQ(Owner.Messages, std::vector<std::string>{"Gameover, you have 2 points"});

    const std::vector<std::string> over = Picture(Board);
    const size_t lines = Owner.CountLines.size();
    Click(5, 0); // two removed stones of one colour are no group for a click either
    Click(6, 6);
    EXPECT_EQ(Picture(Board), over);
    EXPECT_EQ(Board.SelectedCount(), 0);
    EXPECT_EQ(Owner.CountLines.size(), lines);
    EXPECT_EQ(Owner.Messages.size(), 1u);
    EXPECT_EQ(Board.UndoScore(), 2);

    const int repaints = Owner.Repaints;
    Board.ShowHint();
    EXPECT_EQ(Owner.Messages.back(), "No options left");
    EXPECT_EQ(Board.SelectedCount(), 0);
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Owner.Repaints, repaints);
}

TEST_F(TBoardTest, EmptyCellWithThreeNeighboursOfItsColourKeepsTheGameGoing) {
    const std::vector<std::string> three = Top({
        ".....0.....",
        "....0a0....",
    });
    Lay(three);
    Board.CheckGameOver();
    EXPECT_FALSE(Board.GameOver());

    Lay(Top({
        "...........",
        "....0a0....",
    }));
    Board.CheckGameOver();
    EXPECT_TRUE(Board.GameOver());

    Lay(three);
    Click(5, 1);
    EXPECT_EQ(Board.SelectedCount(), 4);
    Click(5, 0);
    EXPECT_EQ(Board.Score(), 12);
    EXPECT_EQ(Owner.Sounds, std::vector<TRemovalSound>{TRemovalSound::Sound0});
}
