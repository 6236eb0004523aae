#include "artwork.h"
#include "painting.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>

namespace {

// The help pictures are 800 x 200 and sit on the help window's slate, shown at half size,
// so their strokes are drawn twice as thick as they will appear.
const int width = 800;
const int height = 200;

void drawWaves(QPainter& p, QPointF centre, bool right, int count)
{
    for (int i = 0; i < count; ++i) {
        QColor col = Palette::ice;
        col.setAlphaF(0.85 - i * 0.22);
        p.setPen(QPen(col, 7, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const qreal r = 90 + i * 30;
        const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
        p.drawArc(box, (right ? -35 : 145) * 16, 70 * 16);
    }
}

QImage aboutPicture(int scale)
{
    QImage image = transparentImage(width, height, scale);
    QPainter p(&image);
    prepare(p);
    const QPointF c(400, 100);
    drawWaves(p, c, false, 3);
    drawWaves(p, c, true, 3);
    drawSvg(p, emblemSvg(false), QRectF(c.x() - 84, c.y() - 84, 168, 168));
    return image;
}

// A rising stair of the twelve notes: the reached ones lit, the goal at the top.
QImage pitchPicture(int scale)
{
    QImage image = transparentImage(width, height, scale);
    QPainter p(&image);
    prepare(p);
    const qreal stepWidth = 46, gapWidth = 8, left = 56, base = 186;
    const QFont font = uiFont(20, QFont::Bold);
    for (int i = 0; i < 12; ++i) {
        const qreal h = 34 + i * 11.5;
        const QRectF bar(left + i * (stepWidth + gapWidth), base - h, stepWidth, h);
        const bool reached = i < 4;
        if (reached) {
            QLinearGradient g(0, bar.top(), 0, bar.bottom());
            g.setColorAt(0, Palette::accentLight);
            g.setColorAt(1, Palette::accentDeep);
            p.setBrush(g);
            p.setPen(Qt::NoPen);
        } else {
            p.setBrush(QColor(255, 255, 255, 18));
            p.setPen(QPen(QColor(0xd0, 0xef, 0xff, 110), 2));
        }
        p.drawRoundedRect(bar, 7, 7);
        drawCentredText(p, QRectF(bar.left(), bar.bottom() - 34, bar.width(), 30),
                        QString::fromLatin1(Palette::noteNames[i]), font,
                        reached ? Qt::white : QColor(0xd0, 0xef, 0xff, 170));
    }
    // The goal: a gold medal above the last step.
    const QPointF medal(left + 12 * (stepWidth + gapWidth) + 40, 48);
    drawMedal(p, medal, 34);
    return image;
}

// The twelve hint colours as notes on a gentle arc.
QImage colorHintPicture(int scale)
{
    QImage image = transparentImage(width, height, scale);
    QPainter p(&image);
    prepare(p);
    const QFont font = uiFont(22, QFont::Bold);
    for (int i = 0; i < 12; ++i) {
        const qreal t = (i - 5.5) / 5.5;
        const QPointF c(400 + t * 330, 118 - (1 - t * t) * 46);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawEllipse(c + QPointF(0, 4), 28, 28);
        p.setBrush(Palette::hint[i]);
        p.setPen(QPen(QColor(255, 255, 255, 200), 3));
        p.drawEllipse(c, 28, 28);
        const QColor ink = Palette::hint[i].lightnessF() > 0.6 ? Palette::slate : QColor(Qt::white);
        drawCentredText(p, QRectF(c.x() - 28, c.y() - 28, 56, 56), QString::fromLatin1(Palette::noteNames[i]), font,
                        ink);
    }
    return image;
}

// A keyboard with the answered key lit, and a MIDI plug feeding it.
QImage midiPicture(int scale)
{
    QImage image = transparentImage(width, height, scale);
    QPainter p(&image);
    prepare(p);
    const qreal left = 250, top = 40, whiteWidth = 30, whiteHeight = 130;
    const int whites = 14;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(left - 8, top - 8 + 5, whites * whiteWidth + 16, whiteHeight + 16), 10, 10);
    p.setBrush(QColor(0x2e, 0x35, 0x3a));
    p.drawRoundedRect(QRectF(left - 8, top - 8, whites * whiteWidth + 16, whiteHeight + 16), 10, 10);
    const int litWhite = 7; // the C of the second octave
    for (int i = 0; i < whites; ++i) {
        const QRectF key(left + i * whiteWidth + 1, top, whiteWidth - 2, whiteHeight);
        p.setBrush(i == litWhite ? QColor(0x4c, 0xc2, 0x7a) : QColor(0xf7, 0xfa, 0xfc));
        p.drawRoundedRect(key, 3, 3);
    }
    const int blackAfter[] = {0, 1, 3, 4, 5};
    for (int octave = 0; octave < 2; ++octave)
        for (int b : blackAfter) {
            const qreal x = left + (octave * 7 + b + 1) * whiteWidth - 9;
            p.setBrush(QColor(0x24, 0x29, 0x2d));
            p.drawRoundedRect(QRectF(x, top, 18, 80), 2.5, 2.5);
        }

    // The MIDI cable and its five-pin plug on the left.
    QPainterPath cable;
    cable.moveTo(left - 8, top + 40);
    cable.cubicTo(left - 60, top + 40, 170, 150, 120, 150);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Palette::ice, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    const QPointF plug(84, 150);
    p.setPen(QPen(Palette::ice, 6));
    p.setBrush(Palette::slate);
    p.drawEllipse(plug, 38, 38);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::ice);
    for (int i = 0; i < 5; ++i) {
        const qreal a = M_PI * (1.0 + i / 4.0);
        p.drawEllipse(plug + QPointF(22 * qCos(a), 22 * qSin(a) + 4), 4.5, 4.5);
    }
    p.drawRoundedRect(QRectF(plug.x() - 7, plug.y() + 20, 14, 8), 2, 2);
    return image;
}

} // namespace

void addHelpArt(ArtworkFiles& files, int scale)
{
    files.append({QStringLiteral("wizard_pic_about.png"), aboutPicture(scale), {}});
    files.append({QStringLiteral("wizard_pic_pitch.png"), pitchPicture(scale), {}});
    files.append({QStringLiteral("wizard_pic_colorhint.png"), colorHintPicture(scale), {}});
    files.append({QStringLiteral("wizard_pic_midi.png"), midiPicture(scale), {}});
}
