#include "key_image_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRegion>

namespace {

const QColor outlineNavy(0, 4, 27);

// `c` moved by `amount` (0..1) towards `target`.
QColor mix(const QColor& c, const QColor& target, double amount)
{
    auto channel = [amount](int from, int to) { return qRound(from + (to - from) * amount); };
    return QColor(channel(c.red(), target.red()), channel(c.green(), target.green()),
                  channel(c.blue(), target.blue()));
}

QColor darkerBy(const QColor& c, int amount)
{
    return QColor(qMax(0, c.red() - amount), qMax(0, c.green() - amount),
                  qMax(0, c.blue() - amount));
}

KeyStateColours state(const QString& directory, bool plainNames, const QColor& whiteTop,
                      const QColor& whiteBottom, const QColor& black)
{
    return KeyStateColours{directory, plainNames, whiteTop, whiteBottom, black,
                           darkerBy(black, 20)};
}

QRegion whiteKeyRegion(const KeyImageShape& shape)
{
    QRegion region(shape.firstColumn, 0, shape.lastColumn - shape.firstColumn + 1, NotchRows);
    return region.united(QRect(0, NotchRows, WhiteKeyWidth, WhiteKeyHeight - NotchRows));
}

// A `scale` times larger image whose painter draws in the 1x pixel grid: integral rectangles
// stay whole pixel blocks, while the gradients get `scale` times finer steps.
QImage scaledImage(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

// One pixel wide column, as an aliased line would draw it at 1x, but whole at every scale
// (a scaled 1-pixel pen straddles two image pixels).
void column(QPainter& p, int x, int top, int bottom, const QColor& colour)
{
    p.fillRect(QRect(x, top, 1, bottom - top + 1), colour);
}

QImage paintWhiteKey(const KeyImageShape& shape, const KeyStateColours& c, int scale)
{
    QImage image = scaledImage(WhiteKeyWidth, WhiteKeyHeight, scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // No antialiasing anywhere: every pixel must end fully opaque or fully transparent.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipRegion(whiteKeyRegion(shape));

    QLinearGradient body(0, 0, 0, WhiteKeyHeight);
    body.setColorAt(0, c.whiteTop);
    body.setColorAt(1, c.whiteBottom);
    p.fillRect(image.rect(), body);

    // Light falls from the left: a faint sheen on the left, a faint shade on the right.
    QLinearGradient side(0, 0, WhiteKeyWidth, 0);
    side.setColorAt(0, QColor(255, 255, 255, 40));
    side.setColorAt(0.3, QColor(255, 255, 255, 0));
    side.setColorAt(0.6, QColor(0, 0, 0, 0));
    side.setColorAt(1, QColor(0, 0, 0, 24));
    p.fillRect(image.rect(), side);

    // Shadow cast by the keyboard's case over the far end of the key.
    QLinearGradient caseShadow(0, 0, 0, 8);
    caseShadow.setColorAt(0, QColor(0, 0, 0, 60));
    caseShadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRect(0, 0, WhiteKeyWidth, 8), caseShadow);

    // Shadow of the neighbouring black keys on the front part, just below the notches.
    QLinearGradient blackShadow(0, NotchRows, 0, NotchRows + 5);
    blackShadow.setColorAt(0, QColor(0, 0, 0, 45));
    blackShadow.setColorAt(1, QColor(0, 0, 0, 0));
    if (shape.firstColumn > 0)
        p.fillRect(QRect(0, NotchRows, shape.firstColumn, 5), blackShadow);
    if (shape.lastColumn < WhiteKeyWidth - 1)
        p.fillRect(QRect(shape.lastColumn + 1, NotchRows, WhiteKeyWidth - 1 - shape.lastColumn, 5),
                   blackShadow);

    // Bevel: bright left edge, dark right edge that separates the key from the next one.
    const QColor bright = mix(c.whiteTop, QColor(255, 255, 255), 0.3);
    column(p, shape.firstColumn, 0, NotchRows - 1, bright);
    column(p, 0, NotchRows, WhiteKeyHeight - 1, bright);
    const QColor dark = darkerBy(c.whiteBottom, 55);
    column(p, shape.lastColumn, 0, NotchRows - 1, dark);
    column(p, WhiteKeyWidth - 1, NotchRows, WhiteKeyHeight - 1, dark);

    // The rounded front lip, then the two-row navy outline along the bottom.
    QLinearGradient lip(0, WhiteKeyHeight - 12, 0, WhiteKeyHeight - 2);
    lip.setColorAt(0, QColor(0, 0, 0, 0));
    lip.setColorAt(1, QColor(0, 0, 0, 50));
    p.fillRect(QRect(0, WhiteKeyHeight - 12, WhiteKeyWidth, 10), lip);
    p.fillRect(QRect(0, WhiteKeyHeight - 2, WhiteKeyWidth, 2), outlineNavy);
    return image;
}

QImage paintBlackKey(const KeyStateColours& c, int scale)
{
    QImage image = scaledImage(BlackKeyWidth, BlackKeyHeight, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    image.fill(c.blackBorder);

    const QRect inner(1, 0, BlackKeyWidth - 2, BlackKeyHeight - 1);
    const QColor white(255, 255, 255);
    const QColor black(0, 0, 0);
    QLinearGradient body(0, 0, 0, BlackKeyHeight);
    body.setColorAt(0, mix(c.black, black, 0.06));
    body.setColorAt(0.8, mix(c.black, white, 0.06));
    body.setColorAt(1, mix(c.black, white, 0.14));
    p.fillRect(inner, body);

    // Bevelled sides and the sloped front end of the key.
    column(p, 2, 0, BlackKeyHeight - 12, mix(c.black, white, 0.12));
    column(p, BlackKeyWidth - 3, 0, BlackKeyHeight - 12, mix(c.black, black, 0.15));
    QLinearGradient front(0, BlackKeyHeight - 11, 0, BlackKeyHeight - 1);
    front.setColorAt(0, mix(c.black, white, 0.22));
    front.setColorAt(1, mix(c.black, white, 0.08));
    p.fillRect(QRect(2, BlackKeyHeight - 11, BlackKeyWidth - 4, 10), front);
    return image;
}

}  // namespace

QVector<KeyStateColours> keyStates()
{
    return {
        state("normal", true, QColor(188, 197, 207), QColor(196, 202, 210), QColor(50, 64, 73)),
        state("hover", false, QColor(244, 253, 255), QColor(236, 245, 249), QColor(91, 109, 123)),
        state("pressed", false, QColor(127, 139, 150), QColor(112, 123, 135), QColor(44, 57, 67)),
        state("green", false, QColor(33, 226, 106), QColor(30, 214, 100), QColor(37, 224, 122)),
        state("blue", false, QColor(48, 165, 255), QColor(44, 155, 242), QColor(12, 149, 246)),
        state("red", false, QColor(202, 55, 55), QColor(192, 50, 50), QColor(215, 76, 76)),
    };
}

QVector<KeyImageShape> keyShapes(const KeyStateColours& state)
{
    const bool blueSet = state.directory == QLatin1String("blue");
    return {
        {"Afirst", true, 0, 29},
        {"C", true, 0, 20},
        {"C_sharp", false, 0, 0},
        {"D", true, 5, 29},
        {"D_sharp", false, 0, 0},
        {"E", true, 14, 34},
        {"F", true, 0, 20},
        {"F_sharp", false, 0, 0},
        {"G", true, 5, 24},
        {"G_sharp", false, 0, 0},
        // The A image reaches one column into both neighbours, except in the blue set.
        {"A", true, blueSet ? 10 : 9, blueSet ? 29 : 30},
        {"A_sharp", false, 0, 0},
        {"B", true, 14, 34},
        {"Clast", true, 0, 34},
    };
}

QImage paintKey(const KeyImageShape& shape, const KeyStateColours& colours, int scale)
{
    return shape.white ? paintWhiteKey(shape, colours, scale) : paintBlackKey(colours, scale);
}

QString checkAlpha(const QImage& image, const KeyImageShape& shape)
{
    const int scale = qRound(image.devicePixelRatio());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool opaque = !shape.white || y / scale >= NotchRows
                || (x / scale >= shape.firstColumn && x / scale <= shape.lastColumn);
            const int alpha = qAlpha(image.pixel(x, y));
            if (alpha != (opaque ? 255 : 0))
                return QString("%1: alpha %2 at (%3, %4)").arg(shape.name).arg(alpha).arg(x).arg(y);
        }
    }
    return QString();
}
