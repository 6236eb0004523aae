import QtQuick
import QtQuick.Controls.Basic

// The review of weak notes and the pitch test in the main window: a line that says which
// one runs and how far it is, and at the end the review's score or the test's result card.
// The application calls the on... functions below (through the object name
// "specialSessions"); nothing here judges or colours an answer.
Rectangle {
    id: special
    objectName: "specialSessions"
    width: 620
    height: cardShown ? card.height + 24 : line.height + 16
    radius: 8
    color: "#f4fbff"
    border.color: "#95a9b3"
    visible: running || cardShown

    property Item window // the main window's root: its strip is set for the review's 21 questions
    property Item verdictText // the last verdict, cleared while the test runs
    property string kind: "" // "review" or "test" while one runs
    property bool running: kind !== ""
    property bool cardShown: false
    property var result: null // the pitch test's card
    property string summary: ""
    readonly property var noteNames: noteNaming.pitchClassNames
    // Tells the window that notes are being asked, so that Space replays them.
    signal started()

    Accessible.role: Accessible.Pane
    Accessible.name: kind === "test" ? qsTr("Pitch test") : kind === "review" ? qsTr("Review") : qsTr("Result")
    Accessible.description: cardShown ? summary : line.text

    function onReviewStarted(even, count) {
        kind = "review"
        cardShown = false
        line.text = (even ? qsTr("Your practice history is still short: this review asks every trained note evenly. ")
                          : qsTr("Review of your weakest notes and the notes you confuse. "))
                    + qsTr("%1 questions; your level stays as it is.").arg(count)
        if (window) {
            window.difficultyLevel = 3 // 21 cells on the strip
            window.prepareCells(3, 0, 0)
        }
        started()
    }

    function onPitchTestStarted(count) {
        kind = "test"
        cardShown = false
        if (verdictText)
            verdictText.text = ""
        if (window)
            window.color = "#89a1af" // the neutral colour: the last note's colour would be a hint
        line.text = qsTr("Pitch test: %1 notes, no verdict until the end.").arg(count)
        started()
    }

    function onTestNote(index, total) {
        line.text = qsTr("Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.")
                    .arg(index + 1).arg(total)
    }

    function onTestAnswer(answered, total) {
        line.text = qsTr("Pitch test: %1 of %2 answered.").arg(answered).arg(total)
    }

    function onReviewEnded(right, total) {
        kind = ""
        result = null
        summary = qsTr("Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in "
                       + "your next review. Replay note (Space) goes on with your session.").arg(right).arg(total)
        cardShown = true
        if (window)
            window.showStoredSession()
    }

    function onPitchTestEnded(card) {
        kind = ""
        result = card
        summary = qsTr("Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on "
                       + "average, median answer in %4 s.")
                  .arg(Math.round(card.rightPercent)).arg(Math.round(card.octaveOffPercent))
                  .arg(card.meanError.toFixed(1)).arg(card.medianSeconds.toFixed(1))
        cardShown = true
    }

    function close() {
        cardShown = false
        result = null
    }

    Text {
        id: line
        objectName: "specialLine"
        visible: !special.cardShown
        x: 12
        y: 8
        width: special.width - 24
        // Named, as the text starts empty: Qt 6.4's Wayland client cannot be asked the
        // input direction without a seat.
        horizontalAlignment: Text.AlignLeft
        wrapMode: Text.WordWrap
        font.pixelSize: 14
        color: "#424c53"
    }

    Column {
        id: card
        objectName: "resultCard"
        visible: special.cardShown
        x: 12
        y: 12
        width: special.width - 24
        spacing: 8
        Text {
            objectName: "resultSummary"
            width: parent.width - 40
            text: special.summary
            horizontalAlignment: Text.AlignLeft
            wrapMode: Text.WordWrap
            font.pixelSize: 14
            font.bold: true
            color: "#424c53"
        }
        // The twelve pitch classes: right answers out of those asked.
        Row {
            visible: special.result !== null
            spacing: 4
            Repeater {
                model: special.result ? special.result.classes : []
                Rectangle {
                    width: (card.width - 11 * 4) / 12
                    height: 40
                    radius: 4
                    color: Qt.hsla(0.33 * modelData[0] / Math.max(1, modelData[1]), 0.55, 0.5, 1)
                    Accessible.role: Accessible.StaticText
                    Accessible.name: special.noteNames[index] + ": " + qsTr("%1 of %2").arg(modelData[0]).arg(modelData[1])
                    Text {
                        anchors.centerIn: parent
                        horizontalAlignment: Text.AlignHCenter
                        text: special.noteNames[index] + "\n" + modelData[0] + "/" + modelData[1]
                        color: "#ffffff"
                        font.pixelSize: 12
                    }
                }
            }
        }
    }

    ChromeButton {
        objectName: "resultCloseButton"
        visible: special.cardShown
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 6
        width: 30
        height: 30
        picture: "btn_close"
        tip: qsTr("Close")
        description: qsTr("Closes the result")
        onClicked: special.close()
    }
}
