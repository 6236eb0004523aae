import QtQuick

// The statistics view's fluency row: for each pitch class its latest answers, how many were
// right, the median response time and the share of fluent answers (right within the time
// limit); a pitch class with 90 % fluent answers is marked fluent.
Rectangle {
    id: panel
    height: 76
    color: "#3a4349"
    property var figures: []
    property real seconds: 2 // the time limit the figures were computed with
    // Object names keep the letters whatever the learner's note names.
    readonly property var letterNames: ["C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"]
    readonly property var noteNames: noteNaming.pitchClassNames
    readonly property color textColor: "#e8eef2"

    function refresh() {
        seconds = appoptions.fluentSeconds
        appoptions.requestFluency(panel)
    }

    function showFluency(newFigures) {
        figures = newFigures
    }

    onVisibleChanged: if (visible) refresh()

    Text {
        id: title
        x: 8
        y: 4
        text: qsTr("Fluency over each note's latest 30 answers: fluent (right within %1 s); right; median response time").arg(panel.seconds)
        color: panel.textColor
        font.pixelSize: 13
        font.bold: true
    }

    Row {
        objectName: "fluencyRow"
        x: 8
        anchors.top: title.bottom
        anchors.topMargin: 4
        spacing: 4
        Repeater {
            model: 12
            Rectangle {
                readonly property var figure: panel.figures.length === 12 ? panel.figures[index] : null
                readonly property bool fluent: figure !== null && figure.fluent === true
                objectName: "fluency" + panel.letterNames[index]
                width: (panel.width - 16 - 11 * 4) / 12
                height: 48
                radius: 4
                color: fluent ? "#2f9e6a" : "#4d585f"
                Text {
                    anchors.centerIn: parent
                    horizontalAlignment: Text.AlignHCenter
                    color: panel.textColor
                    font.pixelSize: 11
                    text: {
                        var f = parent.figure
                        if (f === null || f.answers === 0)
                            return panel.noteNames[index] + "\n–"
                        return panel.noteNames[index] + (parent.fluent ? " ✓" : "") + "\n"
                            + qsTr("%1 % fluent").arg(Math.round(100 * f.share)) + "\n"
                            + qsTr("%1 % · %2 s").arg(Math.round(100 * f.accuracy))
                                                      .arg((f.medianResponseMs / 1000).toLocaleString(Qt.locale(), "f", 1))
                    }
                }
            }
        }
    }
}
