import QtQuick

// The learner's note names (letters, German, solfège, Japanese): a label and a field, for any
// panel that offers the choice. Stored at once.
Row {
    id: choice
    spacing: 10
    property color labelColor: "#ffffff"

    Text {
        id: label
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Note names")
        color: choice.labelColor
        font.pixelSize: 14
    }
    ChoiceField {
        objectName: "noteNamesField"
        width: 190
        popupAbove: true
        model: noteNaming.systemLabels
        currentIndex: noteNaming.system
        accessibleLabel: label.text
        accessibleDescription: qsTr("How notes are named in the window")
        onActivated: function(index) { noteNaming.system = index }
    }
}
