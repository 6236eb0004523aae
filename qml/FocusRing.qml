import QtQuick

// The frame around the control that has the keyboard focus (reached with Tab); the
// controls draw their own pictures, which show no focus of their own.
Rectangle {
    property bool shown: false
    anchors.fill: parent
    anchors.margins: -3
    visible: shown
    color: "transparent"
    border.color: "#ffd84d"
    border.width: 2
    radius: 4
    z: 1000
}
