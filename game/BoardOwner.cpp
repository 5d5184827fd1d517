#include "game/BoardOwner.h"

TRemovalSound SoundForCount(int count) {
    if (count >= 2 && count <= 5)
        return TRemovalSound::Sound0;
    if (count >= 6 && count <= 8)
        return TRemovalSound::Sound1;
    if (count >= 9 && count <= 11)
        return TRemovalSound::Sound2;
    if (count >= 12 && count <= 15)
        return TRemovalSound::Sound3;
    return TRemovalSound::Nooo;
}

const char* SoundName(TRemovalSound sound) {
    switch (sound) {
    case TRemovalSound::Sound0:
        return "SOUND0";
    case TRemovalSound::Sound1:
        return "SOUND1";
    case TRemovalSound::Sound2:
        return "SOUND2";
    case TRemovalSound::Sound3:
        return "SOUND3";
    case TRemovalSound::Nooo:
        break;
    }
    return "NOOO";
}
