#include "keyboard/keyboard.h"

#include "keyboard/gkc_initializer.h"
#include "keyboard/key_images.h"
#include "keyboard/octave.h"
#include "keyboard/typing_keys.h"

#include <QCoreApplication>
#include <QHoverEvent>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QQuickWindow>
#include <QTextOption>
#include <QVariant>
#include <QtDebug>

namespace {

// Darkens the octave groups that are not selected in the hover modes.
const QBrush fadeBrush(QColor(0, 0, 0, 120));

constexpr int XkbDigitOne = 10; // the XKB key code of the number row's 1

constexpr int cursorArrow = 0;          // Qt::ArrowCursor
constexpr int cursorPointingHand = 13;  // Qt::PointingHandCursor

bool isKeyIndex(int key)
{
    return key >= 0 && key < KeyCount;
}

bool checkKeyIndex(int key, const char* caller)
{
    if (isKeyIndex(key))
        return true;
    qWarning("Keyboard::%s: key index %d ignored, keys are 0..%d", caller, key, KeyCount - 1);
    return false;
}

// First and last key index of an octave group.
void keyRange(int octaveGroup, int& first, int& last)
{
    if (octaveGroup == 0) {
        first = 0;
        last = 2;
    } else if (octaveGroup == 8) {
        first = last = 87;
    } else {
        first = 12 * (octaveGroup - 1) + 3;
        last = first + 11;
    }
}

QRectF octaveRegion(int octaveGroup)
{
    if (octaveGroup == 0)
        return QRectF(0, 0, 70, NativeKeyboardHeight);
    if (octaveGroup == 8)
        return QRectF(1785, 0, 35, NativeKeyboardHeight);
    return QRectF(70 + 245 * (octaveGroup - 1), 0, 245, NativeKeyboardHeight);
}

bool containsInclusive(const QRectF& r, int x, int y)
{
    return x >= r.left() && x <= r.right() && y >= r.top() && y <= r.bottom();
}

}  // namespace

Keyboard::Keyboard(QQuickItem* parent)
    : QQuickPaintedItem(parent),
      scale(1, 1),
      mode(KModePlay),
      selectedOctave(-1),
      selectedKey(-1),
      pressedKey(-1),
      keysEnabled(true),
      hoverKey(-1),
      imageDensity(1),
      typingOctave(4)
{
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptHoverEvents(true);
    switchMode(KModePlay);
    GKCini.Init();
}

void Keyboard::switchMode(KMode m)
{
    setEnabled(true);
    if (m < KModePlay || m > KModeOctaveHover) {
        qWarning("Keyboard::switchMode: unknown mode %d ignored", static_cast<int>(m));
        return;
    }
    if (m == mode)
        return;
    if (m == KModeOctaveHover)
        selectedOctave = -1;
    if (m == KModeKeyHover)
        selectedKey = -1;
    mode = m;
    repaint();
}

void Keyboard::Enable(bool on)
{
    if (on == keysEnabled)
        return;
    keysEnabled = on;
    repaint();
}

const QColor& Keyboard::color() const
{
    return textColor;
}

void Keyboard::setColor(const QColor& newColor)
{
    textColor = newColor;
}

void Keyboard::setWidth(float w)
{
    scale.setX(static_cast<double>(w / static_cast<float>(NativeKeyboardWidth)));
}

void Keyboard::setHeight(float h)
{
    scale.setY(static_cast<double>(h / static_cast<float>(NativeKeyboardHeight)));
}

void Keyboard::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry)
{
    setWidth(static_cast<float>(newGeometry.width()));
    setHeight(static_cast<float>(newGeometry.height()));
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    updateImageDensity(window());
}

void Keyboard::itemChange(ItemChange change, const ItemChangeData& value)
{
    QQuickPaintedItem::itemChange(change, value);
    // Another window, or the window moved to a screen of another pixel density.
    if (change == ItemSceneChange)
        updateImageDensity(value.window);
    else if (change == ItemDevicePixelRatioHasChanged)
        updateImageDensity(window());
}

int Keyboard::imageDensityFor(double devicePixels)
{
    // A hair above a whole number is float rounding of a whole scale (an item exactly 1820
    // wide), not a need for the next set.
    for (int density = 1; density < MaxKeyImageDensity; ++density)
        if (devicePixels <= density + 1e-6)
            return density;
    return MaxKeyImageDensity;
}

void Keyboard::updateImageDensity(const QQuickWindow* shownIn)
{
    // Without a window there is no device pixel ratio: the size alone decides (tests paint the
    // item on plain images).
    const double ratio = shownIn ? shownIn->effectiveDevicePixelRatio() : 1.0;
    const int density = imageDensityFor(qMax(scale.x(), scale.y()) * ratio);
    if (density == imageDensity)
        return;
    imageDensity = density;
    repaint();
}

const KeyState& Keyboard::getKeyState(int key) const
{
    Q_ASSERT(isKeyIndex(key));
    return keyStates[key];
}

void Keyboard::highlightKeys(const QVector<int>& green, const QVector<int>& red)
{
    for (KeyState& state : keyStates)
        state.changed = state.highlight != 0;
    for (int key : green) {
        if (!checkKeyIndex(key, "highlightKeys"))
            continue;
        keyStates[key].highlight = 1;
        keyStates[key].changed = true;
    }
    for (int key : red) {
        if (!checkKeyIndex(key, "highlightKeys"))
            continue;
        keyStates[key].highlight = 3;
        keyStates[key].changed = true;
    }
    repaint();
}

void Keyboard::cleanAllKeys()
{
    for (KeyState& state : keyStates) {
        state.changed = state.pressed && state.highlight == 0;
        state.highlight = 0;
        state.pressed = false;
    }
    hoverKey = -1;
}

void Keyboard::setPressedKey(bool flag, int key)
{
    if (!checkKeyIndex(key, "setPressedKey"))
        return;
    keyStates[key].pressed = flag;
    keyStates[key].changed = true;
    repaint();
}

void Keyboard::changeKeysState(const KeysStateMap& newState)
{
    for (auto it = newState.cbegin(); it != newState.cend(); ++it) {
        const int key = it.key();
        if (!checkKeyIndex(key, "changeKeysState"))
            continue;
        if (!it.value().Equal(keyStates[key])) {
            keyStates[key] = it.value();
            keyStates[key].changed = true;
        }
    }
    for (int key = 0; key < KeyCount; ++key) {
        KeyState& state = keyStates[key];
        if (newState.contains(key) || (!state.pressed && state.highlight == 0))
            continue;
        state.pressed = false;
        state.highlight = 0;
        state.changed = true;
    }
    updateKeysState();
}

void Keyboard::updateKeysState(KeysStateMap newState)
{
    changeKeysState(newState);
}

void Keyboard::updateKeysState()
{
    for (const KeyState& state : keyStates) {
        if (state.changed) {
            repaint();
            return;
        }
    }
}

int Keyboard::getKeyByPos(int x, int y) const
{
    if (!(width() > 0) || !(height() > 0))
        return -1;
    const double nativeX = (1.0 / scale.x()) * x;
    const double nativeY = (1.0 / scale.y()) * y;
    // A zero-size item gives an infinite or undefined factor; far-off values would
    // overflow the conversion. Neither can lie on a key.
    if (!(nativeX > -1.0 && nativeX < NativeKeyboardWidth + 1.0)
        || !(nativeY > -1.0 && nativeY < NativeKeyboardHeight + 1.0))
        return -1;
    const int nx = static_cast<int>(nativeX);
    const int ny = static_cast<int>(nativeY);
    for (int key = 0; key < KeysCache.size() && key < KeyCount; ++key) {
        const GKCKeyPositon& pos = KeysCache.at(key);
        if (containsInclusive(pos.upperRect, nx, ny)
            || (pos.isWhite && containsInclusive(pos.lowerRect, nx, ny)))
            return key;
    }
    return -1;
}

void Keyboard::paint(QPainter* painter)
{
    painter->setRenderHint(QPainter::Antialiasing, true);
    for (int group = 0; group <= 8; ++group)
        drawOctave(group, painter);
    drawFades(painter);
    drawTypingMarks(painter);
    // The frame needed one look; the others are read after it, one per turn of the event
    // loop, so that a first hover, press or answer finds its images ready.
    if (!preloadQueued && !allLooksLoaded(imageDensity)) {
        preloadQueued = true;
        QMetaObject::invokeMethod(this, &Keyboard::preloadLook, Qt::QueuedConnection);
    }
}

bool Keyboard::allLooksLoaded(int density)
{
    for (int look = 0; look < LookCount; ++look)
        if (!IsKeyImageSetLoaded(KeyLook(look), density))
            return false;
    return true;
}

void Keyboard::preloadLook()
{
    for (int look = 0; look < LookCount; ++look)
        if (!IsKeyImageSetLoaded(KeyLook(look), imageDensity)) {
            KeyImageSet(KeyLook(look), imageDensity);
            QMetaObject::invokeMethod(this, &Keyboard::preloadLook, Qt::QueuedConnection);
            return;
        }
    preloadQueued = false;
}

bool Keyboard::typeKey(int nativeScanCode, int key, int modifiers)
{
    const bool chosen = modifiers & (Qt::KeypadModifier | Qt::ControlModifier);
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        setTypingOctave(typingOctave + (key == Qt::Key_Left ? -1 : 1));
        return true;
    }
    // The number row's 1..7 by their place (AZERTY gives & é " … there), else by meaning.
    const int numberRow = (modifiers & Qt::ControlModifier) ? nativeScanCode - XkbDigitOne + 1 : 0;
    const int digit = numberRow >= 1 && numberRow <= 7 ? numberRow : key - Qt::Key_0;
    if (chosen && digit >= 1 && digit <= 7) {
        setTypingOctave(digit);
        return true;
    }
    // Shortcuts with Ctrl, Alt or Meta and keypad keys are no notes.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::KeypadModifier))
        return false;
    const int semitone = TypingKeys::Semitone(quint32(nativeScanCode), key);
    if (semitone < 0)
        return false;
    const int typed = 12 * (typingOctave + 1) + semitone - 21; // the octave's C is MIDI 12 (octave + 1)
    if (isKeyIndex(typed))
        emit keyTyped(typed);
    return true;
}

void Keyboard::setTypingOctave(int octave)
{
    octave = qBound(1, octave, 7);
    if (octave == typingOctave)
        return;
    typingOctave = octave;
    emit typingOctaveChanged();
    repaint();
}

int Keyboard::firstTypedKey() const
{
    return 12 * (typingOctave + 1) - 21;
}

int Keyboard::lastTypedKey() const
{
    return qMin(firstTypedKey() + TypingKeys::Reach, KeyCount - 1);
}

// A short bar at the front of every key the letter keys reach.
void Keyboard::drawTypingMarks(QPainter* painter)
{
    painter->save();
    painter->scale(scale.x(), scale.y());
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(48, 165, 255, 190));
    for (int key = firstTypedKey(); key <= lastTypedKey() && key < KeysCache.size(); ++key) {
        const GKCKeyPositon& k = KeysCache.at(key);
        const QRectF body = k.isWhite ? k.lowerRect : k.upperRect;
        painter->drawRoundedRect(QRectF(body.center().x() - 6, body.bottom() - 14, 12, 5), 2, 2);
    }
    painter->restore();
}

void Keyboard::drawOctave(int octaveGroup, QPainter* painter)
{
    painter->save();
    painter->scale(scale.x(), scale.y());
    int first = 0;
    int last = 0;
    keyRange(octaveGroup, first, last);
    // White keys first: the black keys cover their notches.
    for (int key = first; key <= last; ++key)
        if (key < KeysCache.size() && KeysCache.at(key).isWhite)
            drawKey(key, painter);
    for (int key = first; key <= last; ++key)
        if (key < KeysCache.size() && !KeysCache.at(key).isWhite)
            drawKey(key, painter);
    painter->restore();
}

void Keyboard::drawKey(int key, QPainter* painter)
{
    KeyState& state = keyStates[key];
    KeyLook look = LookNormal;
    if (state.highlight == 1)
        look = LookGreen;
    else if (state.highlight == 2)
        look = LookBlue;
    else if (state.highlight != 0)
        look = LookRed;
    else if (pressedKey == key && mode == KModePlay && state.pressed)
        look = LookPressed;
    else if (keysEnabled && hoverKey == key && (mode != KModePlay || !state.pressed))
        look = LookHover;

    const QVector<QImage*>& set = KeyImageSet(look, imageDensity);
    const GKCKeyPositon& pos = KeysCache.at(key);
    const QImage* image = pos.imageIndex < set.size() ? set.at(pos.imageIndex) : nullptr;
    // The image's device pixel ratio is its density: it covers the key's native size.
    if (image && !image->isNull())
        painter->drawImage(pos.imagePos, *image);
    state.changed = false;
}

void Keyboard::drawFades(QPainter* painter)
{
    if ((mode != KModeKeyHover && mode != KModeOctaveHover) || selectedOctave < 0)
        return;
    painter->save();
    painter->scale(scale.x(), scale.y());
    for (int r = 0; r <= 8; ++r) {
        if (r == selectedOctave)
            continue;
        const QRectF region = octaveRegion(r);
        painter->fillRect(region, fadeBrush);
        if (r == selectedOctave - 1 && HighlightLeft && !HighlightLeft->isNull()) {
            const double w = HighlightLeft->width();
            painter->drawImage(QRectF(region.right() - w, region.top(), w, region.height()),
                               *HighlightLeft);
        }
        if (r == selectedOctave + 1 && HighlightRight && !HighlightRight->isNull()) {
            const double w = r == 8 ? region.width() : HighlightRight->width();
            painter->drawImage(QRectF(region.left(), region.top(), w, region.height()),
                               *HighlightRight, QRectF(0, 0, w, HighlightRight->height()));
        }
    }
    painter->restore();
}

void Keyboard::repaint()
{
    update(QRect());
}

void Keyboard::requestCursor(int shape)
{
    // The real application offers this slot; without it (tests, the interface viewed on
    // its own) the cursor simply stays as it is.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || app->metaObject()->indexOfSlot("onChangeCursor(QVariant)") < 0)
        return;
    QMetaObject::invokeMethod(app, "onChangeCursor", Q_ARG(QVariant, QVariant(shape)));
}

void Keyboard::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || mode != KModePlay || !keysEnabled)
        return;
    const int key = getKeyByPos(event->pos().x(), event->pos().y());
    if (!isKeyIndex(key))
        return;
    keyStates[key].changed = true;
    keyStates[key].pressed = true;
    updateKeysState();
    // Delivered synchronously: the application judges the answer before pressedKey is set.
    emit keyPressed(key);
    pressedKey = key;
}

void Keyboard::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging across keys neither presses nor releases them.
    Q_UNUSED(event);
}

void Keyboard::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (mode != KModePlay && mode != KModeView)
        return;
    const int released = pressedKey;
    pressedKey = -1;
    if (released >= 0) {
        emit keyReleased(released);
        keyStates[released].changed = true;
    }
    updateKeysState();
}

void Keyboard::hoverEnterEvent(QHoverEvent* event)
{
    Q_UNUSED(event);
    qWarning("hoverEnterEvent");
}

void Keyboard::hoverMoveEvent(QHoverEvent* event)
{
    requestCursor(cursorPointingHand);
    const int key = getKeyByPos(qRound(event->position().x()), qRound(event->position().y()));
    switch (mode) {
    case KModeOctaveHover: {
        const int group = Core::octave(key);
        if (group == selectedOctave)
            break;
        if (group == 0 || group == 8) {
            selectedOctave = -1;
            selectedKey = -1;
            emit hover(-1);
        } else {
            selectedOctave = group;
            emit hover(key);
        }
        repaint();
        break;
    }
    case KModeKeyHover:
        if (key == selectedKey)
            break;
        selectedOctave = Core::octave(key);
        selectedKey = key;
        emit hover(key);
        repaint();
        break;
    case KModePlay: {
        bool needsRepaint = false;
        if (pressedKey != key) {
            const int released = pressedKey;
            pressedKey = -1;
            if (released >= 0)
                emit keyReleased(released);
            needsRepaint = true;
        }
        if (!needsRepaint)
            needsRepaint = keysEnabled && hoverKey != key;
        hoverKey = key;
        if (needsRepaint)
            repaint();
        break;
    }
    case KModeView:
        break;
    }
}

void Keyboard::hoverLeaveEvent(QHoverEvent* event)
{
    Q_UNUSED(event);
    requestCursor(cursorArrow);
    bool needsRepaint = false;
    if (mode == KModeKeyHover || mode == KModeOctaveHover) {
        selectedOctave = -1;
        selectedKey = -1;
        emit hover(-1);
        needsRepaint = true;
    } else {
        const int released = pressedKey;
        pressedKey = -1;
        if (released >= 0) {
            emit keyReleased(released);
            // The held key must not keep showing its pressed image.
            keyStates[released].changed = true;
            needsRepaint = true;
        }
    }
    if (hoverKey != -1) {
        hoverKey = -1;
        needsRepaint = true;
    }
    if (needsRepaint)
        repaint();
}
