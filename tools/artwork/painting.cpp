#include "painting.h"

#include <QPainterPath>
#include <QSvgRenderer>

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
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
    font.setWeight(weight);
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
