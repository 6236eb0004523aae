#include "painting.h"

#include <QPainterPath>
#include <QSvgRenderer>
#include <QtMath>

#include "palette.h"

QImage transparentImage(int width, int height, int scale)
{
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

void prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont uiFont(qreal pixelSize, int weight)
{
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(QFont::Weight(weight));
    return font;
}

void drawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& color)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

void drawSoftShadow(QPainter& painter, const QRectF& rect, qreal radius, qreal blur, const QColor& color)
{
    // Concentric rounded rectangles of falling alpha approximate a blur cheaply.
    painter.save();
    painter.setPen(Qt::NoPen);
    const int steps = qMax(1, qRound(blur));
    for (int i = steps; i >= 1; --i) {
        QColor c = color;
        c.setAlphaF(color.alphaF() / steps * 0.9);
        painter.setBrush(c);
        const qreal grow = i * blur / steps;
        painter.drawRoundedRect(rect.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
    painter.restore();
}

void drawSvg(QPainter& painter, const QByteArray& svg, const QRectF& target)
{
    QSvgRenderer renderer(svg);
    renderer.render(&painter, target);
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void drawMedal(QPainter& painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 28));
    painter.drawEllipse(centre + QPointF(0, radius * 0.06), radius + 1, radius + 1);
    QLinearGradient gold(0, centre.y() - radius, 0, centre.y() + radius);
    gold.setColorAt(0, QColor(0xf6, 0xd2, 0x7a));
    gold.setColorAt(1, Palette::goldDeep);
    painter.setBrush(gold);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 150), radius / 18));
    painter.drawEllipse(centre, radius * 0.82, radius * 0.82);
    QPainterPath star;
    const QPointF starCentre = centre + QPointF(0, radius * 0.03);
    for (int i = 0; i < 10; ++i) {
        const qreal r = radius * (i % 2 ? 0.22 : 0.5);
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt = starCentre + QPointF(r * qCos(a), r * qSin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(star);
    painter.restore();
}
