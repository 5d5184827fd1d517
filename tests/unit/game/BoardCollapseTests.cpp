#include "BoardKit.h"

TEST_F(TBoardTest, StonesFallInOrderAndRemovedStonesKeepTheirColours) {
    Lay(Bottom({
        "..........1",
        "..........a",
        "..........2",
        "..........c",
    }));
    Board.Collapse();
    // The lowest gap's stone ends on top; the present stones keep their order.
    std::vector<std::string> expected = WithBackground(Top({"..........c", "..........a"}));
    expected[10][10] = '1';
    expected[11][10] = '2';
    EXPECT_EQ(Picture(Board), expected);
    ExpectLinksMatchCells(Board);
}

TEST_F(TBoardTest, RemovalMovesEmptyColumnsToTheLeft) {
    // Column 2 is already empty; taking off column 1 empties a second one.
    Lay(std::vector<std::string>(BoardRows, ".0b........"));
    const TStone* firstOfColumn0 = Board.Cell(0, 0);
    Click(1, 0);
    Click(1, 5);
    EXPECT_EQ(Owner.Sounds, std::vector<TRemovalSound>{TRemovalSound::Sound3});
    EXPECT_EQ(Board.Score(), 132);
    // The other columns keep their order. The empty ones change places in every round, so only all 11
    // rounds put column 1 before column 2.
    std::vector<std::string> expected;
    for (int r = 0; r < BoardRows; ++r)
        expected.push_back(r % 2 ? "ab434343434" : "ab343434343");
    EXPECT_EQ(Picture(Board), expected);
    EXPECT_EQ(Board.Cell(2, 0), firstOfColumn0);
    ExpectLinksMatchCells(Board);
    // Stones moved; their creation order did not.
    EXPECT_EQ(Board.Stones().front().get(), firstOfColumn0);
}
