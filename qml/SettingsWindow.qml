import QtQuick
import QtQuick.Controls.Basic

// The learner's settings, over the main window in the help window's style: the reference
// pitch, the time limit of a fluent answer, whether a level passes only on fluent answers
// whether the ear is cleared before each note and the interface's language. Each change is
// stored at once; a new language is spoken at once.
Rectangle {
    id: settings
    width: 640
    height: 585
    color: "#424c53"
    radius: 8

    readonly property color textColor: "#e8eef2"
    readonly property color noteColor: "#b8c7d0"
    readonly property int margin: 25

    function setPointer(hovered) {
        appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
    }

    // Shows the stored values: the options' properties do not notify changes.
    function open() {
        pitchSlider.value = appoptions.referencePitch
        limitChoice.seconds = appoptions.fluentSeconds
        passCheck.checked = appoptions.passWhenFluent
        clearCheck.checked = appoptions.clearTheEar
        visible = true
    }

    function close() {
        visible = false
        setPointer(false)
    }

    // Clicks on the window's free surface must not reach the main window below.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
    }

    Text {
        id: heading
        x: settings.margin
        y: 18
        text: qsTr("Settings")
        color: settings.textColor
        font.pixelSize: 22
        font.bold: true
    }

    ChromeButton {
        objectName: "settingsCloseButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: 15
        anchors.rightMargin: 15
        picture: "btn_close"
        tip: qsTr("Close")
        description: qsTr("Closes the settings")
        onClicked: settings.close()
    }

    Column {
        x: settings.margin
        y: 70
        width: settings.width - 2 * settings.margin
        spacing: 10

        Text {
            text: qsTr("Reference pitch: A4 = %1 Hz").arg(pitchSlider.value)
            objectName: "referencePitchText"
            color: settings.textColor
            font.pixelSize: 16
            font.bold: true
        }
        Slider {
            id: pitchSlider
            objectName: "referencePitchSlider"
            width: parent.width
            from: appoptions.lowestReferencePitch
            to: appoptions.highestReferencePitch
            stepSize: 1
            snapMode: Slider.SnapAlways
            focusPolicy: Qt.NoFocus
            hoverEnabled: true
            onHoveredChanged: settings.setPointer(hovered)
            onMoved: appoptions.referencePitch = value
            background: Rectangle {
                x: pitchSlider.leftPadding
                y: pitchSlider.topPadding + pitchSlider.availableHeight / 2 - height / 2
                width: pitchSlider.availableWidth
                height: 6
                radius: 3
                color: "#5b6972"
                Rectangle {
                    width: pitchSlider.visualPosition * parent.width
                    height: parent.height
                    radius: 3
                    color: "#2f9e6a"
                }
            }
            handle: Rectangle {
                x: pitchSlider.leftPadding + pitchSlider.visualPosition * (pitchSlider.availableWidth - width)
                y: pitchSlider.topPadding + pitchSlider.availableHeight / 2 - height / 2
                width: 22
                height: 22
                radius: 11
                color: pitchSlider.pressed ? "#d0efff" : "#ffffff"
            }
        }
        Text {
            width: parent.width
            text: qsTr("Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is "
                       + "the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often "
                       + "played at 415 Hz. Train at the pitch of the music you hear.")
            color: settings.noteColor
            font.pixelSize: 13
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignLeft
        }

        Item { width: 1; height: 8 }

        Text {
            text: qsTr("A fluent answer is right and given within")
            color: settings.textColor
            font.pixelSize: 16
            font.bold: true
        }
        Row {
            id: limitChoice
            objectName: "fluentSecondsChoice"
            property real seconds: 2
            spacing: 6
            Repeater {
                model: appoptions.fluentSecondsChoices
                Rectangle {
                    objectName: "fluentSeconds" + modelData
                    width: 90
                    height: 30
                    radius: 15
                    color: limitChoice.seconds === modelData ? "#2f9e6a" : limitArea.containsMouse ? "#5b6972" : "#4d585f"
                    Text {
                        anchors.centerIn: parent
                        text: qsTr("%1 s").arg(modelData)
                        color: settings.textColor
                        font.pixelSize: 14
                    }
                    MouseArea {
                        id: limitArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onEntered: settings.setPointer(true)
                        onExited: settings.setPointer(false)
                        onClicked: {
                            appoptions.fluentSeconds = modelData
                            limitChoice.seconds = appoptions.fluentSeconds
                        }
                    }
                }
            }
        }
        Text {
            width: parent.width
            text: qsTr("from the start of the note. A note you know by ear comes to you at once; working it "
                       + "out from the note before takes longer. A note is marked fluent when 90 % of its "
                       + "latest 30 answers are.")
            color: settings.noteColor
            font.pixelSize: 13
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignLeft
        }

        Item { width: 1; height: 8 }

        Row {
            spacing: 10
            Image {
                id: passCheck
                objectName: "passWhenFluentCheck"
                property bool checked: false
                source: checked ? "qrc:/res/checkbox_on.png" : "qrc:/res/checkbox_off.png"
                anchors.verticalCenter: parent.verticalCenter
                MouseArea {
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: settings.setPointer(true)
                    onExited: settings.setPointer(false)
                    onClicked: {
                        appoptions.passWhenFluent = !passCheck.checked
                        passCheck.checked = appoptions.passWhenFluent
        clearCheck.checked = appoptions.clearTheEar
                    }
                }
            }
            Text {
                text: qsTr("Pass a level only when fluent")
                color: settings.textColor
                font.pixelSize: 16
                font.bold: true
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        Text {
            width: parent.width
            text: qsTr("A session then passes with 90 % fluent answers instead of 65 % right ones.")
            color: settings.noteColor
            font.pixelSize: 13
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignLeft
        }

        Item { width: 1; height: 8 }

        Row {
            spacing: 10
            Image {
                id: clearCheck
                objectName: "clearTheEarCheck"
                property bool checked: false
                source: checked ? "qrc:/res/checkbox_on.png" : "qrc:/res/checkbox_off.png"
                anchors.verticalCenter: parent.verticalCenter
                MouseArea {
                    anchors.fill: parent
                    hoverEnabled: true
                    onEntered: settings.setPointer(true)
                    onExited: settings.setPointer(false)
                    onClicked: {
                        appoptions.clearTheEar = !clearCheck.checked
                        clearCheck.checked = appoptions.clearTheEar
                    }
                }
            }
            Text {
                text: qsTr("Clear the ear between notes")
                color: settings.textColor
                font.pixelSize: 16
                font.bold: true
                anchors.verticalCenter: parent.verticalCenter
            }
        }
        Text {
            width: parent.width
            text: qsTr("Before each note, a second of many notes at once and a short pause, and notes that "
                       + "follow each other at least a fifth apart: no note is named by its interval from "
                       + "the one before.")
            color: settings.noteColor
            font.pixelSize: 13
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignLeft
        }

        Item { width: 1; height: 8 }

        Row {
            spacing: 10
            visible: typeof languageChoice !== "undefined"
            Text {
                id: languageLabel
                text: qsTr("Language")
                color: settings.textColor
                font.pixelSize: 16
                font.bold: true
                anchors.verticalCenter: parent.verticalCenter
            }
            ChoiceField {
                objectName: "languageField"
                width: 240
                popupAbove: true
                model: typeof languageChoice !== "undefined" ? languageChoice.labels : []
                currentIndex: typeof languageChoice !== "undefined" ? languageChoice.row : 0
                accessibleLabel: languageLabel.text
                accessibleDescription: qsTr("The language of Ovelune's window and messages; it changes at once")
                onActivated: function(index) { languageChoice.row = index }
            }
        }
    }
}
