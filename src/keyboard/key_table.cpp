#include "keyboard/key_table.h"

const float KeyOffs[2 * KeyImageCount] = {
    0, 30,    // Afirst: upper strip
    0, 21,    // C
    21, 20,   // C_sharp: black key offset in its group
    5, 25,    // D
    65, 0,    // D_sharp
    14, 21,   // E
    0, 21,    // F
    126, 0,   // F_sharp
    5, 20,    // G
    165, 0,   // G_sharp
    10, 20,   // A
    206, 0,   // A_sharp
    14, 21,   // B
    0, 35,    // Clast: never read, C8's strip is its full width
};

QVector<GKCKeyPositon> KeysCache;

namespace {

const QRectF blackRect(0, 0, 19, 108);
const QRectF whiteUpperRect(0, 0, 35, 108);
const QRectF whiteLowerRect(0, 108, 35, 72);
constexpr float groupWidth = 245;
constexpr float firstGroupX = 70;  // A0..B0 come before the first C

GKCKeyPositon whiteKey(int imageIndex, double imageX, double stripOffset, double stripWidth)
{
    GKCKeyPositon key;
    key.imageIndex = imageIndex;
    key.isWhite = true;
    key.upperRect = whiteUpperRect;
    key.upperRect.moveLeft(imageX + stripOffset);
    key.upperRect.setWidth(stripWidth);
    key.lowerRect = whiteLowerRect.translated(imageX, 0);
    key.imagePos = QPointF(imageX, 0);
    return key;
}

GKCKeyPositon blackKey(int imageIndex, double x, double width)
{
    GKCKeyPositon key;
    key.imageIndex = imageIndex;
    key.isWhite = false;
    key.upperRect = QRectF(x, 0, width, blackRect.height());
    key.imagePos = QPointF(x, 0);
    return key;
}

bool isBlackPitchClass(int k)
{
    return k == 1 || k == 3 || k == 6 || k == 8 || k == 10;
}

}  // namespace

void AppendKeyTable(QVector<GKCKeyPositon>& cache)
{
    cache.reserve(cache.size() + KeyCount);

    cache.append(whiteKey(0, 0, KeyOffs[0], KeyOffs[1]));
    // A#0 stands at 30, one unit left of where the octave pattern would put it.
    cache.append(blackKey(11, 30, blackRect.width()));
    cache.append(whiteKey(12, 35, KeyOffs[24], KeyOffs[25]));

    for (int o = 0; o < 7; ++o) {
        const float groupX = groupWidth * static_cast<float>(o) + firstGroupX;
        for (int k = 0; k < 12; ++k) {
            const int imageIndex = k + 1;
            const float offset = KeyOffs[2 * imageIndex];
            if (isBlackPitchClass(k)) {
                // The G# rectangle is one unit wider than its image.
                const double width = blackRect.width() + (k == 8 ? 1 : 0);
                cache.append(blackKey(imageIndex, static_cast<double>(groupX + offset), width));
            } else {
                const int whiteRank = k < 5 ? k / 2 : (k + 1) / 2;
                const float imageX = groupX + 35.0f * static_cast<float>(whiteRank);
                cache.append(whiteKey(imageIndex, static_cast<double>(imageX), offset,
                                      KeyOffs[2 * imageIndex + 1]));
            }
        }
    }

    const double lastX = 7 * groupWidth + firstGroupX;
    cache.append(whiteKey(13, lastX, 0, whiteUpperRect.width()));
}
