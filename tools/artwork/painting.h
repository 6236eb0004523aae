#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>

// Small drawing helpers shared by the picture makers.

// A clear picture of `width` x `height` logical pixels with `scale` image pixels to each:
// a painter on it draws in logical pixels, so one drawing serves the 1x, 2x and 3x files.
QImage transparentImage(int width, int height, int scale);

// A painter with antialiasing for shapes, text and scaled pictures.
void prepare(QPainter& painter);

QFont uiFont(qreal pixelSize, int weight = QFont::Normal);

// Draws `text` centred in `box`.
void drawCentredText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                     const QColor& color);

// A blurred drop shadow of the rounded rectangle, painted below it.
void drawSoftShadow(QPainter& painter, const QRectF& rect, qreal radius, qreal blur, const QColor& color);

// Renders SVG bytes into `target`.
void drawSvg(QPainter& painter, const QByteArray& svg, const QRectF& target);

QColor mix(const QColor& a, const QColor& b, qreal t);

// The perfect-pitch medal: a gold disc with a ring and a white star, and a soft shadow.
void drawMedal(QPainter& painter, QPointF centre, qreal radius);
