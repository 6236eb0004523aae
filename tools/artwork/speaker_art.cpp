#include "artwork.h"
#include "painting.h"
#include "palette.h"

#include <QPainterPath>

namespace {

// A white disc with a speaker: sending sound waves while the note plays, asking
// with a question mark while the answer is awaited. The window's own white rings
// grow out of the same centre.
QImage speaker(bool waiting, int scale)
{
    QImage image = transparentImage(243, 243, scale);
    QPainter p(&image);
    prepare(p);
    const QPointF c(121.5, 121.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(c, 112, 112);
    for (int i = 5; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 9));
        p.drawEllipse(c + QPointF(0, 3), 96 + i, 96 + i);
    }
    QRadialGradient face(c - QPointF(20, 30), 140);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xe6, 0xf0, 0xf5));
    p.setBrush(face);
    p.drawEllipse(c, 96, 96);

    const qreal dx = -18; // the glyph's weight sits left of the centre
    QPainterPath body;
    body.addRoundedRect(QRectF(c.x() - 40 + dx, c.y() - 19, 22, 38), 4, 4);
    QPainterPath cone;
    cone.moveTo(c.x() - 20 + dx, c.y() - 19);
    cone.lineTo(c.x() + 10 + dx, c.y() - 44);
    cone.quadTo(c.x() + 16 + dx, c.y() - 47, c.x() + 16 + dx, c.y() - 40);
    cone.lineTo(c.x() + 16 + dx, c.y() + 40);
    cone.quadTo(c.x() + 16 + dx, c.y() + 47, c.x() + 10 + dx, c.y() + 44);
    cone.lineTo(c.x() - 20 + dx, c.y() + 19);
    cone.closeSubpath();
    p.setBrush(waiting ? Palette::steel.darker(115) : Palette::slate);
    p.drawPath(body.united(cone));

    if (!waiting) {
        const QPointF arcCentre(c.x() + 16 + dx, c.y());
        const qreal radii[] = {20, 37, 54};
        const int alpha[] = {255, 200, 140};
        for (int i = 0; i < 3; ++i) {
            QColor col = Palette::accent;
            col.setAlpha(alpha[i]);
            p.setPen(QPen(col, 7, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            const qreal r = radii[i];
            p.drawArc(QRectF(arcCentre.x() - r, arcCentre.y() - r, 2 * r, 2 * r), -42 * 16, 84 * 16);
        }
    } else {
        drawCentredText(p, QRectF(c.x() + 14 + dx, c.y() - 44, 60, 84), QStringLiteral("?"), uiFont(72, QFont::Bold),
                        Palette::accent);
    }
    return image;
}

} // namespace

void addSpeakerArt(ArtworkFiles& files, int scale)
{
    files.append({QStringLiteral("speaker.png"), speaker(false, scale), {}});
    files.append({QStringLiteral("waitingspeaker.png"), speaker(true, scale), {}});
}
