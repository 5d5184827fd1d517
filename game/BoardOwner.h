// What the puzzle board asks of the window that holds it: text, sound, messages, repaints, the undo board.
#pragma once

#include <string>

class TUndoBoard;

// The sound of a removal, by the number of stones taken off.
enum class TRemovalSound { Sound0, Sound1, Sound2, Sound3, Nooo };

// 2 to 5 stones: Sound0, 6 to 8: Sound1, 9 to 11: Sound2, 12 to 15: Sound3, any other number: Nooo.
TRemovalSound SoundForCount(int count);
// The resource name of the sound: "SOUND0" to "SOUND3", "NOOO".
const char* SoundName(TRemovalSound sound);

class TBoardOwner {
public:
    virtual void SetCountLine(const std::string& text) = 0;
    // Returns when the sound has ended; the stones fall only afterwards.
    virtual void PlaySound(TRemovalSound sound) = 0;
    virtual void ShowBoardMessage(const std::string& text) = 0;
    // The position changed; the view paints it from the board's cells when it next gets to it.
    virtual void RepaintBoard() = 0;
    // The board that keeps the position before the last removal, created on first use.
    virtual TUndoBoard& UndoBoard() = 0;

protected:
    ~TBoardOwner() = default;
};
