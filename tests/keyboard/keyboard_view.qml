// The keyboard alone, laid out as in the main window's footer.
import QtQuick 2.3
import Keyboard 1.0

Rectangle {
    width: 1000
    height: 150
    color: "#ffffff"

    Keyboard {
        id: keyboard
        objectName: "Keyboard"
        anchors.fill: parent
        anchors.leftMargin: 30
        anchors.rightMargin: 30
        color: "blue"
    }
}
