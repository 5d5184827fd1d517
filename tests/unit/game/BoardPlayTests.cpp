#include "BoardKit.h"

#include <set>

namespace {

// A snake of `count` stones of colour 0 laid column by column from the top left corner.
std::vector<std::string> Snake(int count) {
    std::vector<std::string> picture(BoardRows, std::string(BoardColumns, '.'));
    for (int i = 0; i < count; ++i)
        picture[i % BoardRows][i / BoardRows] = '0';
    return picture;
}

} // namespace

TEST_F(TBoardTest, AGroupIsMarkedThenTakenOffAndALoneOrUnmarkedClickCancels) {
    Lay(ThreeInTheCorner);
    const int repaints = Owner.Repaints;
    Click(5, 5); // a lone stone
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 0);
    EXPECT_EQ(Owner.Repaints, repaints);
    EXPECT_TRUE(Owner.CountLines.empty());

    Click(1, 0);
    EXPECT_FALSE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 3);
    EXPECT_EQ(Owner.CountLine(), "Count = 0 selected = 6");
    Click(5, 5);
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 0);
    EXPECT_EQ(Owner.CountLine(), "Count = 0 selected = 0");

    Click(1, 0);
    Owner.CountLines.clear();
    Click(2, 0);
    EXPECT_EQ(Board.Score(), 6);
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 0);
    // The line first shows the score before the points are added; it ends with the new score.
    ASSERT_FALSE(Owner.CountLines.empty());
    EXPECT_EQ(Owner.CountLines.front(), "Count = 0 selected = 6");
    EXPECT_EQ(Owner.CountLine(), "Count = 6 selected = 0");
    EXPECT_EQ(Owner.Sounds, std::vector<TRemovalSound>{TRemovalSound::Sound0});
    EXPECT_TRUE(At(0, 0).Removed && At(1, 0).Removed && At(2, 0).Removed);
    EXPECT_TRUE(Owner.Messages.empty());
}

TEST_F(TBoardTest, SoundAndPointsFollowTheSizeOfTheGroup) {
    const std::vector<std::pair<int, TRemovalSound>> cases = {
        {2, TRemovalSound::Sound0},  {5, TRemovalSound::Sound0},  {6, TRemovalSound::Sound1},
        {8, TRemovalSound::Sound1},  {9, TRemovalSound::Sound2},  {11, TRemovalSound::Sound2},
        {12, TRemovalSound::Sound3}, {15, TRemovalSound::Sound3}, {16, TRemovalSound::Nooo},
    };
    for (const auto& [count, sound] : cases) {
        TRecordingOwner owner;
        TBoard board(owner);
        board.LayOut(Layout(Snake(count)));
        board.ClickAt(0, 0);
        board.ClickAt(0, 0);
        EXPECT_EQ(owner.Sounds, std::vector<TRemovalSound>{sound}) << count;
        EXPECT_EQ(board.Score(), count * count - count) << count;
    }
}

TEST_F(TBoardTest, ClickOnAnEmptyCellStartsFromItsRemovedStone) {
    Lay(Bottom({
        "........2..",
        "0a......2..",
    }));
    Click(1, 11);
    EXPECT_FALSE(Board.Selecting());
    EXPECT_TRUE(At(1, 11).Selected);
    EXPECT_TRUE(At(0, 11).Selected);
    EXPECT_EQ(Owner.CountLine(), "Count = 0 selected = 2");

    Click(0, 11);
    EXPECT_EQ(Board.Score(), 2);
    EXPECT_EQ(CellChar(At(0, 0)), 'a');
    EXPECT_EQ(CellChar(At(1, 0)), 'a');
    EXPECT_FALSE(At(0, 11).Removed);

    // An empty cell with no present neighbour of its colour marks nothing.
    Click(0, 0);
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 0);
}

TEST_F(TBoardTest, EdgePixelsOfThePaintBoxHitTheLastColumnAndRow) {
    Lay(Bottom({
        "..........1",
        ".........11",
    }));
    Board.ClickAt(299, 329); // column 9, row 10: a lone stone
    EXPECT_EQ(Board.SelectedCount(), 0);
    Board.ClickAt(329, 359);
    EXPECT_EQ(Board.SelectedCount(), 3);
    // Off the board nothing is hit.
    for (const auto& [x, y] : {std::pair{330, 10}, {-1, 10}, {10, -1}, {10, 360}})
        Board.ClickAt(x, y);
    EXPECT_EQ(Board.SelectedCount(), 3);
    EXPECT_FALSE(Board.Selecting());
    Board.ClickAt(300, 330);
    EXPECT_EQ(Board.Score(), 6);
}

TEST_F(TBoardTest, StartKeepsSelectingAndLeavesTheCountLineAlone) {
    Board.FixSeed(1);
    Lay(ThreeInTheCorner);
    Click(0, 0);
    ASSERT_FALSE(Board.Selecting());
    const size_t lines = Owner.CountLines.size();
    const int repaints = Owner.Repaints;

    Board.StartGame();
    EXPECT_FALSE(Board.Selecting());
    EXPECT_EQ(Board.Score(), 0);
    EXPECT_FALSE(Board.GameOver());
    EXPECT_EQ(Owner.CountLines.size(), lines);
    EXPECT_EQ(Owner.Repaints, repaints + 1);
    EXPECT_EQ(Board.SelectedCount(), 0);
    EXPECT_EQ(Board.Stones().size(), static_cast<size_t>(BoardColumns * BoardRows));
    ExpectLinksMatchCells(Board);

    // The first click of the new game only cancels the marking that is no longer there.
    Click(4, 4);
    EXPECT_TRUE(Board.Selecting());
    EXPECT_EQ(Board.SelectedCount(), 0);
    EXPECT_EQ(Owner.CountLine(), "Count = 0 selected = 0");
}

TEST_F(TBoardTest, DealsDrawFromAllFiveColoursAndRepeatForAFixedSeed) {
    Board.FixSeed(7);
    Board.StartGame();
    const std::vector<std::string> first = Picture(Board);
    std::set<char> colours;
    for (const std::string& row : first)
        colours.insert(row.begin(), row.end());
    EXPECT_EQ(colours, (std::set<char>{'0', '1', '2', '3', '4'}));

    Board.StartGame();
    EXPECT_EQ(Picture(Board), first);
    Board.FixSeed(8);
    Board.StartGame();
    EXPECT_NE(Picture(Board), first);
}
