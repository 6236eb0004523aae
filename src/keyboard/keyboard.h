#pragma once

#include "keyboard/key_state.h"
#include "keyboard/key_table.h"

#include <QColor>
#include <QPointF>
#include <QQuickPaintedItem>
#include <QVector>

#include <atomic>

class QPainter;

// The 88-key piano (A0..C8) as a painted QML item, scaled to the item's size. Keys are
// numbered by key index 0..87 from A0 (MIDI note = key index + 21). Everything here runs
// on the GUI thread.
class Keyboard : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    // The octave (1..7) whose C the lower row of letter keys starts at; see typeKey.
    Q_PROPERTY(int typingOctave READ getTypingOctave WRITE setTypingOctave NOTIFY typingOctaveChanged)

public:
    // A fixed underlying type: a mode number from outside (QML, a caller's cast) may lie out
    // of range and is refused by switchMode; without it such a value could not be held.
    enum KMode : int {
        KModePlay = 0,         // clicks press keys, the hover image follows the pointer
        KModeView = 1,         // clicks are ignored
        KModeKeyHover = 2,     // key and octave group under the pointer are selected
        KModeOctaveHover = 3,  // inner octave group under the pointer is selected
    };
    Q_ENUM(KMode)

    explicit Keyboard(QQuickItem* parent = nullptr);

    void switchMode(KMode m);
    void Enable(bool on);

    const QColor& color() const;
    void setColor(const QColor& newColor);

    // Adds answer colours: `green` keys turn green, then `red` keys turn red; colours of
    // other keys stay. Indexes outside 0..87 are ignored.
    void highlightKeys(const QVector<int>& green, const QVector<int>& red);
    // Drops every colour and pressed mark; the caller requests the repaint.
    void cleanAllKeys();
    void setPressedKey(bool flag, int key);
    void changeKeysState(const KeysStateMap& newState);
    // Requests a repaint when some key is marked changed.
    void updateKeysState();

    // Key index under an item position, or -1 (always -1 while the item has no area).
    int getKeyByPos(int x, int y) const;

    // A key typed on the computer keyboard (the window passes on what its focus leaves):
    // a letter key of the two piano rows (TypingKeys) emits keyTyped with the key index it
    // plays from the typing octave; Left and Right, and 1..7 on the keypad or with Ctrl,
    // choose the typing octave. True when the key meant something here.
    Q_INVOKABLE bool typeKey(int nativeScanCode, int key, int modifiers);
    int getTypingOctave() const { return typingOctave; }
    void setTypingOctave(int octave);
    // Key indexes the letter keys reach now, first and last (within 0..87).
    int firstTypedKey() const;
    int lastTypedKey() const;

    void paint(QPainter* painter) override;

    KMode getMode() const { return mode; }
    bool areKeysEnabled() const { return keysEnabled; }
    int getSelectedOctave() const { return selectedOctave; }
    int getSelectedKey() const { return selectedKey; }
    int getPressedKey() const { return pressedKey; }
    int getHoverKey() const { return hoverKey; }
    QPointF getScale() const { return scale; }
    // Image pixels per native pixel of the key images painted now (1..3).
    int getImageDensity() const { return imageDensity; }
    // The smallest key image density that gives each of `devicePixels` device pixels per
    // native pixel an image pixel of its own; the finest one beyond that.
    static int imageDensityFor(double devicePixels);
    // `key` must lie in 0..87.
    const KeyState& getKeyState(int key) const;

signals:
    void hover(int index);
    void keyPressed(int key);
    void keyReleased(int key);
    void keyTyped(int key);
    void typingOctaveChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverMoveEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private slots:
    void updateKeysState(KeysStateMap newState);

private:
    // Update only the scale from a new item size. Private because they hide
    // QQuickItem::setWidth/setHeight, which resize the item.
    void setWidth(float w);
    void setHeight(float h);

    void drawOctave(int octaveGroup, QPainter* painter);
    void drawKey(int key, QPainter* painter);
    void drawFades(QPainter* painter);
    void drawTypingMarks(QPainter* painter);
    // Picks the key images for the item's size on `shownIn`'s device pixels.
    void updateImageDensity(const QQuickWindow* shownIn);
    static bool allLooksLoaded(int density);
    // GUI thread: loads one look of the current density not yet loaded, then queues itself.
    void preloadLook();
    void repaint();
    void requestCursor(int shape);

    QColor textColor;  // the `color` property
    QPointF scale;     // item size / native size, per axis; hides QQuickItem::scale()
    KMode mode;
    int selectedOctave;
    int selectedKey;
    int pressedKey;
    KeyState keyStates[KeyCount];
    bool keysEnabled;
    int hoverKey;
    int imageDensity;  // chosen on the GUI thread, read by paint()
    // Set by paint(), cleared by preloadLook() once every look is loaded.
    std::atomic<bool> preloadQueued{false};
    int typingOctave;
};
