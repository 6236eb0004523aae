import QtQuick
import QtQuick.Controls.Basic

// A round button of the statistics view's header: one choice of a group (the time shown, or
// charts or text), green while `selected`, said as such to a screen reader. Tab reaches it;
// Space or Enter chooses it.
RadioButton {
    id: button
    property bool selected: false
    readonly property color textColor: "#e8eef2"

    width: Math.max(110, Math.ceil(contentItem.implicitWidth) + 24)
    height: 30
    // Chosen by the view: a click says so, the view's answer checks it.
    checkable: false
    checked: selected
    autoExclusive: false // the groups share a row
    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    Accessible.name: text
    Accessible.onPressAction: clicked()
    Keys.onReturnPressed: clicked()
    Keys.onEnterPressed: clicked()
    FocusRing { shown: button.visualFocus }
    indicator: null
    background: Rectangle {
        radius: 15
        color: button.selected ? "#2f9e6a" : button.hovered ? "#5b6972" : "#4d585f"
    }
    contentItem: Text {
        text: button.text
        color: button.textColor
        font.pixelSize: 14
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
}
