import QtQuick
import QtQuick.Controls.Basic

// A drop-down field of the footer: the chosen entry on the field's picture, the list below
// it. Only Tab gives it the keyboard focus (then Space opens the list, the arrows choose):
// a click does not, so that after choosing with the mouse Space replays the note again.
ComboBox {
    id: field
    readonly property color textColor: "#424c53"

    width: 212
    height: 37
    padding: 0
    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.ComboBox
    Accessible.name: accessibleLabel
    Accessible.description: accessibleDescription
    property string accessibleLabel
    property string accessibleDescription
    FocusRing { shown: field.visualFocus }
    font.pixelSize: 14
    background: Rectangle {
        color: field.textColor
        Image {
            anchors.fill: parent
            source: field.pressed || field.popup.visible ? "qrc:/res/dropdown_p.png"
                    : field.hovered ? "qrc:/res/dropdown_h.png" : "qrc:/res/dropdown_n.png"
        }
    }
    // The picture draws the arrow.
    indicator: Item {}
    contentItem: Text {
        leftPadding: 5
        rightPadding: 30
        text: field.displayText
        color: field.textColor
        font: field.font
        elide: Text.ElideRight
        // Set, not implied: an empty text with an implied alignment asks the input method for
        // its direction, which crashes Qt's Wayland client on a compositor without a seat.
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
    }
    delegate: ItemDelegate {
        required property var modelData
        required property int index
        width: field.popup.width
        height: 28
        highlighted: field.highlightedIndex === index
        contentItem: Text {
            text: parent.modelData
            color: parent.highlighted ? "#ffffff" : field.textColor
            font: field.font
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
        }
        background: Rectangle {
            color: parent.highlighted ? "#4d91c9" : "#ffffff"
        }
    }
    // Near the bottom of a window the list opens upwards.
    property bool popupAbove: false
    popup: Popup {
        y: field.popupAbove ? -height : field.height
        width: Math.max(field.width, 260)
        implicitHeight: Math.min(contentItem.implicitHeight + 2, 12 * 28 + 2)
        padding: 1
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: field.popup.visible ? field.delegateModel : null
            currentIndex: field.highlightedIndex
            ScrollIndicator.vertical: ScrollIndicator {}
        }
        background: Rectangle {
            color: "#ffffff"
            border.color: "#95a9b3"
        }
    }
    onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
}
