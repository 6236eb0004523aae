import QtQuick
import QtQuick.Controls.Basic

// A picture button of the window's chrome: "qrc:/res/<picture>_n.png", "_h" while hovered,
// "_p" while pressed, with a tool tip, which is also its name for a screen reader. Tab reaches
// it (Space or Enter presses it); a click does not focus it, so that Space goes on replaying
// the note after a click.
ToolButton {
    id: button
    property string picture
    property string tip
    property string description

    width: 37
    height: 37
    padding: 0
    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: tip
    Accessible.description: description
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    ToolTip.visible: hovered && tip !== ""
    ToolTip.delay: 700
    ToolTip.text: tip
    background: Image {
        source: "qrc:/res/" + button.picture + (button.pressed ? "_p" : button.hovered ? "_h" : "_n") + ".png"
    }
    contentItem: Item {}
    FocusRing { shown: button.visualFocus }
    onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
}
