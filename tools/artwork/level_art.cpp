#include "artwork.h"
#include "painting.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

const int pictureWidth = 2434;
const int pictureHeight = 102;
const int emblemWidth = 263; // the window ignores clicks on this right-hand part
const int noteCount = 12;

const qreal top = 9;
const qreal bottom = 93;
const qreal middle = (top + bottom) / 2;
const qreal point = 26; // depth of a chevron's point
const qreal gap = 7;

QPainterPath chevron(int index, qreal segment)
{
    const qreal x0 = index * segment + (index == 0 ? 2 : gap);
    const qreal x1 = (index + 1) * segment;
    QPainterPath path;
    if (index == 0) {
        const qreal r = 8;
        path.moveTo(x0 + r, top);
        path.lineTo(x1 - point, top);
        path.lineTo(x1, middle);
        path.lineTo(x1 - point, bottom);
        path.lineTo(x0 + r, bottom);
        path.quadTo(x0, bottom, x0, bottom - r);
        path.lineTo(x0, top + r);
        path.quadTo(x0, top, x0 + r, top);
    } else {
        path.moveTo(x0 - point, top);
        path.lineTo(x1 - point, top);
        path.lineTo(x1, middle);
        path.lineTo(x1 - point, bottom);
        path.lineTo(x0 - point, bottom);
        path.lineTo(x0, middle);
        path.closeSubpath();
    }
    return path;
}

void drawEmblem(QPainter& p)
{
    const qreal left = pictureWidth - emblemWidth;
    const QPointF centre(left + 62, middle);
    drawMedal(p, centre, 40);

    QFont font = uiFont(27, QFont::Bold);
    p.setFont(font);
    p.setPen(Palette::slate);
    const QRectF textBox(left + 114, top, emblemWidth - 116, bottom - top);
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Perfect\npitch"));
}

QImage levelPicture(int level, int scale)
{
    QImage image = transparentImage(pictureWidth, pictureHeight, scale);
    QPainter p(&image);
    prepare(p);
    const qreal segment = qreal(pictureWidth - emblemWidth) / noteCount;
    for (int i = 0; i < noteCount; ++i) {
        const bool reached = i < level;
        const QPainterPath shape = chevron(i, segment);
        if (reached) {
            QLinearGradient g(0, top, 0, bottom);
            g.setColorAt(0, Palette::accentLight);
            g.setColorAt(1, Palette::accentDeep);
            p.setBrush(g);
            p.setPen(QPen(Palette::accentDeep.darker(115), 1.2));
        } else {
            p.setBrush(Palette::paper);
            p.setPen(QPen(QColor(0xa9, 0xc0, 0xcd), 1.5));
        }
        p.drawPath(shape);

        // The note's hint colour, centred on the chevron's body. The window writes the
        // note's name above it, in the names the learner has chosen.
        const qreal x0 = i * segment + (i == 0 ? 0 : gap);
        const qreal centreX = (x0 + (i + 1) * segment) / 2 - (i == 0 ? point / 4 : 0);
        QColor dot = Palette::hint[i];
        if (!reached)
            dot.setAlphaF(0.55);
        p.setPen(reached ? QPen(QColor(255, 255, 255, 220), 2) : Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(QPointF(centreX, 74), 6, 6);
    }
    drawEmblem(p);
    return image;
}

} // namespace

void addLevelArt(ArtworkFiles& files, int scale)
{
    for (int level = 1; level <= noteCount; ++level)
        files.append({QStringLiteral("level%1.png").arg(level), levelPicture(level, scale), {}});
}
