#include "artwork.h"
#include "painting.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

enum class Look { Normal, Hovered, Pressed };

const struct {
    Look look;
    const char* suffix;
} looks[] = {{Look::Normal, "n"}, {Look::Hovered, "h"}, {Look::Pressed, "p"}};

// Header buttons: a light glyph on the slate header; hovering lights a soft disc
// behind it, pressing sinks the disc.
enum class Glyph { Help, Statistics, Settings, Minimise, Close };

QImage headerButton(Glyph glyph, Look look, int scale)
{
    QImage image = transparentImage(37, 37, scale);
    QPainter p(&image);
    prepare(p);
    const QPointF c(18.5, 18.5);
    QColor glyphColor = Palette::ice;
    if (look == Look::Normal) {
        glyphColor.setAlphaF(0.82);
    } else {
        QColor disc = look == Look::Hovered ? QColor(255, 255, 255, 34) : QColor(0, 0, 0, 60);
        p.setPen(Qt::NoPen);
        p.setBrush(disc);
        p.drawEllipse(c, 17, 17);
        if (look == Look::Hovered)
            glyphColor = Qt::white;
    }
    QPen pen(glyphColor, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Help: {
        p.drawEllipse(c, 11, 11);
        QPainterPath q;
        q.moveTo(15.0, 15.6);
        q.cubicTo(15.0, 12.4, 22.0, 12.0, 22.0, 15.6);
        q.cubicTo(22.0, 18.2, 18.5, 18.4, 18.5, 21.0);
        p.drawPath(q);
        p.setPen(Qt::NoPen);
        p.setBrush(glyphColor);
        p.drawEllipse(QPointF(18.5, 24.6), 1.5, 1.5);
        break;
    }
    case Glyph::Statistics: // three bars on a base line
        p.drawLine(QPointF(11.5, 26.0), QPointF(25.5, 26.0));
        p.drawLine(QPointF(14.5, 22.5), QPointF(14.5, 19.0));
        p.drawLine(QPointF(18.5, 22.5), QPointF(18.5, 12.0));
        p.drawLine(QPointF(22.5, 22.5), QPointF(22.5, 16.0));
        break;
    case Glyph::Settings: // three sliders, their knobs at different places
        for (const QPointF& knob : {QPointF(15.0, 12.5), QPointF(22.0, 18.5), QPointF(17.0, 24.5)}) {
            p.drawLine(QPointF(10.5, knob.y()), QPointF(26.5, knob.y()));
            p.setBrush(glyphColor);
            p.drawEllipse(knob, 2.2, 2.2);
            p.setBrush(Qt::NoBrush);
        }
        break;
    case Glyph::Minimise:
        p.drawLine(QPointF(12.5, 23.5), QPointF(24.5, 23.5));
        break;
    case Glyph::Close:
        p.drawLine(QPointF(13.5, 13.5), QPointF(23.5, 23.5));
        p.drawLine(QPointF(23.5, 13.5), QPointF(13.5, 23.5));
        break;
    }
    return image;
}

// The start and replay buttons: a rounded pill with a gentle vertical light.
QImage pillButton(const QColor& base, Look look, int scale)
{
    QImage image = transparentImage(129, 40, scale);
    QPainter p(&image);
    prepare(p);
    QColor top = base.lighter(112);
    QColor bottom = base.darker(108);
    if (look == Look::Hovered) {
        top = base.lighter(124);
        bottom = base.lighter(104);
    } else if (look == Look::Pressed) {
        top = base.darker(118);
        bottom = base.darker(110);
    }
    const qreal sink = look == Look::Pressed ? 1.0 : 0.0;
    // Shadow line under the pill, hidden when pressed.
    if (look != Look::Pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawRoundedRect(QRectF(1, 2.5, 127, 37), 18.5, 18.5);
    }
    QLinearGradient g(0, 0, 0, 38);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(base.darker(125), 1));
    const QRectF body(1, 0.5 + sink, 127, 37);
    p.drawRoundedRect(body, 18.5, 18.5);
    // A thin highlight along the top edge.
    if (look != Look::Pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body.adjusted(1, 1, -1, -1), 17.5, 17.5);
    }
    return image;
}

// Device list: a light field on the footer with a chevron at the right.
QImage dropdown(Look look, int scale)
{
    QImage image = transparentImage(212, 37, scale);
    QPainter p(&image);
    prepare(p);
    QColor fill = look == Look::Normal ? QColor(0xe8, 0xf1, 0xf6) : look == Look::Hovered ? Qt::white : Palette::sky;
    const QRectF field(0.5, 0.5, 211, 36);
    p.setPen(QPen(look == Look::Pressed ? Palette::accent : QColor(0x2e, 0x35, 0x3a), 1));
    p.setBrush(fill);
    p.drawRoundedRect(field, 5, 5);
    // Divider and chevron in the last 35 pixels.
    p.setPen(QPen(QColor(0x42, 0x4c, 0x53, 60), 1));
    p.drawLine(QPointF(177.5, 8), QPointF(177.5, 29));
    QPen chevron(look == Look::Pressed ? Palette::accentDeep : Palette::slate, 2, Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
    p.setPen(chevron);
    const qreal cx = 194.5, cy = look == Look::Pressed ? 19.5 : 18.5;
    p.drawPolyline(QVector<QPointF>{{cx - 5, cy - 2.5}, {cx, cy + 2.5}, {cx + 5, cy - 2.5}});
    return image;
}

// Colour hint switch: a pill groove, coloured with the hint spectrum when on,
// dark when off; the grip is a white knob drawn 3 pixels high of its image centre
// because the window places it 3 below the groove's centre.
QImage switchGroove(bool on, int scale)
{
    QImage image = transparentImage(72, 37, scale);
    QPainter p(&image);
    prepare(p);
    const QRectF pill(5, 5.5, 62, 26);
    if (on) {
        QLinearGradient g(pill.left(), 0, pill.right(), 0);
        for (int i = 0; i < 12; ++i)
            g.setColorAt(i / 11.0, mix(Palette::hint[i], Qt::white, 0.18));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(pill, 13, 13);
        QLinearGradient shade(0, pill.top(), 0, pill.bottom());
        shade.setColorAt(0, QColor(0, 0, 0, 50));
        shade.setColorAt(0.4, QColor(0, 0, 0, 0));
        p.setBrush(shade);
        p.drawRoundedRect(pill, 13, 13);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 70), 1));
        p.drawRoundedRect(pill, 13, 13);
    } else {
        p.setPen(QPen(QColor(0x5d, 0x6a, 0x72), 1));
        p.setBrush(Palette::slateDeep);
        p.drawRoundedRect(pill, 13, 13);
    }
    return image;
}

QImage switchGrip(int scale)
{
    QImage image = transparentImage(37, 37, scale);
    QPainter p(&image);
    prepare(p);
    const QPointF c(18.5, 15.5);
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 18));
        p.drawEllipse(c + QPointF(0, 1.5), 10.5 + i * 0.8, 10.5 + i * 0.8);
    }
    QRadialGradient g(c - QPointF(3, 4), 14);
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xe3, 0xea, 0xee));
    p.setBrush(g);
    p.setPen(QPen(QColor(0, 0, 0, 40), 0.8));
    p.drawEllipse(c, 10.5, 10.5);
    return image;
}

// Progress strip: a white track with a fine rim; cells are drawn over it by the window.
QImage timelineStrip(int scale)
{
    QImage image = transparentImage(2432, 16, scale);
    QPainter p(&image);
    prepare(p);
    const QRectF track(0.5, 0.5, 2431, 15);
    QLinearGradient g(0, 0, 0, 16);
    g.setColorAt(0, QColor(0xe4, 0xee, 0xf4));
    g.setColorAt(0.35, Qt::white);
    g.setColorAt(1, Qt::white);
    p.setBrush(g);
    p.setPen(QPen(QColor(0x9d, 0xb7, 0xc6), 1));
    p.drawRoundedRect(track, 7.5, 7.5);
    return image;
}

// Score and percentage marker: a slate tag whose pointer is at the top; the window
// turns the score marker upside down above the strip.
QImage marker(int scale)
{
    QImage image = transparentImage(48, 24, scale);
    QPainter p(&image);
    prepare(p);
    QPainterPath tag;
    tag.addRoundedRect(QRectF(0.5, 5, 47, 18.5), 5, 5);
    QPainterPath pointer;
    pointer.moveTo(18, 5.5);
    pointer.lineTo(24, 0);
    pointer.lineTo(30, 5.5);
    pointer.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::slate);
    p.drawPath(tag.united(pointer));
    return image;
}

// Help page arrows: a slim chevron, light on the help window's slate.
QImage arrow(bool left, Look look, int scale)
{
    QImage image = transparentImage(25, 41, scale);
    QPainter p(&image);
    prepare(p);
    QColor color = look == Look::Normal ? QColor(0xd0, 0xef, 0xff, 170) : look == Look::Hovered ? Qt::white : Palette::steel;
    p.setPen(QPen(color, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal inner = left ? 6 : 19, outer = left ? 19 : 6;
    const qreal shift = look == Look::Pressed ? (left ? -1 : 1) : 0;
    p.drawPolyline(QVector<QPointF>{{outer + shift, 5}, {inner + shift, 20.5}, {outer + shift, 36}});
    return image;
}

QImage checkBox(bool ticked, int scale)
{
    QImage image = transparentImage(18, 20, scale);
    QPainter p(&image);
    prepare(p);
    const QRectF box(1, 2, 16, 16);
    if (ticked) {
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::accentLight);
        p.drawRoundedRect(box, 3.5, 3.5);
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QVector<QPointF>{{4.8, 10.2}, {7.8, 13.4}, {13.4, 6.8}});
    } else {
        p.setPen(QPen(Qt::white, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(box.adjusted(0.7, 0.7, -0.7, -0.7), 3, 3);
    }
    return image;
}

} // namespace

void addChromeArt(ArtworkFiles& files, int scale)
{
    const struct {
        const char* name;
        Glyph glyph;
    } headerButtons[] = {{"help", Glyph::Help}, {"stats", Glyph::Statistics},
                         {"settings", Glyph::Settings}, {"min", Glyph::Minimise}, {"close", Glyph::Close}};
    for (const auto& button : headerButtons)
        for (const auto& l : looks)
            files.append({QStringLiteral("btn_%1_%2.png").arg(button.name, l.suffix), headerButton(button.glyph, l.look, scale), {}});

    for (const auto& l : looks) {
        files.append({QStringLiteral("btn_green_%1.png").arg(l.suffix), pillButton(Palette::go, l.look, scale), {}});
        files.append({QStringLiteral("btn_gray_%1.png").arg(l.suffix), pillButton(QColor(0x5b, 0x69, 0x72), l.look, scale), {}});
        files.append({QStringLiteral("dropdown_%1.png").arg(l.suffix), dropdown(l.look, scale), {}});
    }

    files.append({QStringLiteral("slider_bg_color.png"), switchGroove(true, scale), {}});
    files.append({QStringLiteral("slider_bg_dark.png"), switchGroove(false, scale), {}});
    files.append({QStringLiteral("slider_grip.png"), switchGrip(scale), {}});
    files.append({QStringLiteral("timelinestrip.png"), timelineStrip(scale), {}});
    files.append({QStringLiteral("total_bg.png"), marker(scale), {}});

    // "nomal" is the name the help window asks for.
    const struct {
        Look look;
        const char* name;
    } arrowLooks[] = {{Look::Normal, "nomal"}, {Look::Hovered, "hover"}, {Look::Pressed, "pressed"}};
    for (const auto& a : arrowLooks) {
        files.append({QStringLiteral("arrow_left_%1.png").arg(a.name), arrow(true, a.look, scale), {}});
        files.append({QStringLiteral("arrow_right_%1.png").arg(a.name), arrow(false, a.look, scale), {}});
    }
    files.append({QStringLiteral("checkbox_on.png"), checkBox(true, scale), {}});
    files.append({QStringLiteral("checkbox_off.png"), checkBox(false, scale), {}});
}
