#pragma once

#include "keyboard/key_table.h"
#include "keyboard/keyboard.h"

#include <QHoverEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

// Where a user aims at a key, in the native keyboard space: the middle of a black key,
// the middle of a white key's front part.
inline QPoint nativeKeyCentre(int key)
{
    const GKCKeyPositon& k = KeysCache.at(key);
    return (k.isWhite ? k.lowerRect.center() : k.upperRect.center()).toPoint();
}

// A keyboard whose event handlers can be driven directly and which counts its paints.
class ProbeKeyboard : public Keyboard
{
public:
    using Keyboard::hoverEnterEvent;
    using Keyboard::hoverLeaveEvent;
    using Keyboard::hoverMoveEvent;
    using Keyboard::mouseMoveEvent;
    using Keyboard::mousePressEvent;
    using Keyboard::mouseReleaseEvent;

    explicit ProbeKeyboard(QQuickItem* parent = nullptr) : Keyboard(parent) {}

    void paint(QPainter* painter) override
    {
        ++paintCount;
        Keyboard::paint(painter);
    }

    // Returns whether the event was accepted.
    bool press(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(x, y), button, button, Qt::NoModifier);
        event.ignore();
        mousePressEvent(&event);
        return event.isAccepted();
    }

    bool release(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent event(QEvent::MouseButtonRelease, QPointF(x, y), button, Qt::NoButton,
                          Qt::NoModifier);
        event.ignore();
        mouseReleaseEvent(&event);
        return event.isAccepted();
    }

    void hoverTo(double x, double y)
    {
        QHoverEvent event(QEvent::HoverMove, QPointF(x, y), QPointF(x, y));
        hoverMoveEvent(&event);
    }

    void hoverTo(QPoint p) { hoverTo(p.x(), p.y()); }

    void leave()
    {
        QHoverEvent event(QEvent::HoverLeave, QPointF(-1, -1), QPointF(-1, -1));
        hoverLeaveEvent(&event);
    }

    // Paints the item the way the scene graph would, onto white.
    QImage render()
    {
        QImage image(qMax(1, int(width())), qMax(1, int(height())),
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(&painter);
        return image;
    }

    int paintCount = 0;
};
