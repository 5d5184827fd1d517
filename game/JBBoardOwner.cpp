#include "game/JBBoardOwner.h"

TJBSound SoundForCount(int count) {
    if (count >= 2 && count <= 5)
        return TJBSound::Sound0;
    if (count >= 6 && count <= 8)
        return TJBSound::Sound1;
    if (count >= 9 && count <= 11)
        return TJBSound::Sound2;
    if (count >= 12 && count <= 15)
        return TJBSound::Sound3;
    return TJBSound::Nooo;
}

const char* SoundName(TJBSound sound) {
    switch (sound) {
    case TJBSound::Sound0:
        return "SOUND0";
    case TJBSound::Sound1:
        return "SOUND1";
    case TJBSound::Sound2:
        return "SOUND2";
    case TJBSound::Sound3:
        return "SOUND3";
    case TJBSound::Nooo:
        break;
    }
    return "NOOO";
}
