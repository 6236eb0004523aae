import QtQuick
import QtQuick.Controls.Basic

// A picture button of the window's chrome: "qrc:/res/<picture>_n.png", "_h" while hovered,
// "_p" while pressed, with a tool tip. It never takes the keyboard focus, so that Space and
// Enter always reach the window's shortcuts.
ToolButton {
    id: button
    property string picture
    property string tip

    width: 37
    height: 37
    padding: 0
    hoverEnabled: true
    focusPolicy: Qt.NoFocus
    ToolTip.visible: hovered && tip !== ""
    ToolTip.delay: 700
    ToolTip.text: tip
    background: Image {
        source: "qrc:/res/" + button.picture + (button.pressed ? "_p" : button.hovered ? "_h" : "_n") + ".png"
    }
    contentItem: Item {}
    onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
}
