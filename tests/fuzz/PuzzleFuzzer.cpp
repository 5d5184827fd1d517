// Fuzz target: the stone puzzle under random clicks, hints, undos and new games on random boards. Every
// cell must hold exactly one stone of the board, and the score may fall only through Undo or a new game.
#include "game/JBBoard.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>

namespace {

class TQuietOwner : public TJBBoardOwner {
public:
    void SetCountLine(const std::string&) override {}
    void PlaySound(TJBSound) override {}
    void ShowBoardMessage(const std::string&) override {}
    void RepaintBoard() override {}
    TJBAckupBoard& UndoBoard() override {
        if (!FUndo)
            FUndo = std::make_unique<TJBAckupBoard>(*this);
        return *FUndo;
    }

private:
    std::unique_ptr<TJBAckupBoard> FUndo;
};

void Deal(FuzzedDataProvider& in, TJBBoard& board) {
    if (in.ConsumeBool()) {
        board.FixSeed(in.ConsumeIntegral<uint32_t>());
        board.StartGame();
        return;
    }
    // Few colours make large groups; removed cells anywhere make boards no game would reach.
    const int colours = in.ConsumeIntegralInRange(1, 5);
    TJBLayout layout;
    for (auto& column : layout)
        for (TJBCellLayout& cell : column) {
            cell.ColorIndex = in.ConsumeIntegralInRange(-colours, colours);
            cell.Removed = in.ConsumeIntegralInRange(0, 5) == 0;
        }
    board.LayOut(layout);
}

void CheckCells(const TJBBoard& board) {
    std::set<const TJBStone*> seen;
    for (int c = 0; c < JBColumns; ++c)
        for (int r = 0; r < JBRows; ++r) {
            const TJBStone* stone = board.Cell(c, r);
            FUZZ_CHECK(stone != nullptr);
            FUZZ_CHECK(stone->Col == c && stone->Row == r);
            seen.insert(stone);
        }
    FUZZ_CHECK(seen.size() == static_cast<size_t>(JBColumns * JBRows));
    FUZZ_CHECK(board.Stones().size() == seen.size());
    for (const auto& stone : board.Stones())
        FUZZ_CHECK(seen.count(stone.get()) == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    TQuietOwner owner;
    TJBBoard board(owner);
    Deal(in, board);
    CheckCells(board);
    for (int move = 0; move < 300 && in.remaining_bytes() > 0; ++move) {
        const int before = board.Score();
        bool mayFall = false;
        switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0:
            board.ShowHint();
            break;
        case 1:
            board.UndoMove();
            mayFall = true;
            break;
        case 2:
            Deal(in, board);
            mayFall = true;
            break;
        default:
            board.ClickAt(in.ConsumeIntegralInRange(-40, JBColumns * TJBBoard::CellSize + 40),
                          in.ConsumeIntegralInRange(-40, JBRows * TJBBoard::CellSize + 40));
            break;
        }
        CheckCells(board);
        FUZZ_CHECK(board.Score() >= 0);
        FUZZ_CHECK(mayFall || board.Score() >= before);
    }
    return 0;
}
