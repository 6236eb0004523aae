#include "keyboard/typing_keys.h"

#include <Qt>

namespace {

struct TypingKey
{
    int evdev;    // Linux input key code of the key's place
    int qtKey;    // what that place means on a US layout
    int semitone; // above the rows' first C
};

const TypingKey Rows[] = {
    // lower row: C C♯ D D♯ E F F♯ G G♯ A A♯ B, then C D♯ E of the next octave
    {44, Qt::Key_Z, 0},      {31, Qt::Key_S, 1},     {45, Qt::Key_X, 2},          {32, Qt::Key_D, 3},
    {46, Qt::Key_C, 4},      {47, Qt::Key_V, 5},     {34, Qt::Key_G, 6},          {48, Qt::Key_B, 7},
    {35, Qt::Key_H, 8},      {49, Qt::Key_N, 9},     {36, Qt::Key_J, 10},         {50, Qt::Key_M, 11},
    {51, Qt::Key_Comma, 12}, {38, Qt::Key_L, 13},    {52, Qt::Key_Period, 14},    {39, Qt::Key_Semicolon, 15},
    {53, Qt::Key_Slash, 16},
    // upper row, an octave higher
    {16, Qt::Key_Q, 12},     {3, Qt::Key_2, 13},     {17, Qt::Key_W, 14},         {4, Qt::Key_3, 15},
    {18, Qt::Key_E, 16},     {19, Qt::Key_R, 17},    {6, Qt::Key_5, 18},          {20, Qt::Key_T, 19},
    {7, Qt::Key_6, 20},      {21, Qt::Key_Y, 21},    {8, Qt::Key_7, 22},          {22, Qt::Key_U, 23},
    {23, Qt::Key_I, 24},     {10, Qt::Key_9, 25},    {24, Qt::Key_O, 26},         {11, Qt::Key_0, 27},
    {25, Qt::Key_P, 28},     {26, Qt::Key_BracketLeft, 29}, {13, Qt::Key_Equal, 30}, {27, Qt::Key_BracketRight, 31},
};

constexpr int XkbOffset = 8; // XKB key codes are evdev codes plus 8

} // namespace

int TypingKeys::Semitone(quint32 nativeScanCode, int qtKey)
{
    for (const TypingKey& key : Rows) {
        if (nativeScanCode != 0 ? nativeScanCode == quint32(key.evdev + XkbOffset) : qtKey == key.qtKey)
            return key.semitone;
    }
    return -1;
}
