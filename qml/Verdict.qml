import QtQuick

// What the last answer was, in the learner's note names ("Right: E4"), beside "Guess the
// note"; a screen reader reads it as a text whose name changes with every answer.
Text {
    id: verdict
    objectName: "verdict"
    font.pixelSize: 14
    color: "#424c53"
    horizontalAlignment: Text.AlignRight
    elide: Text.ElideLeft
    Accessible.role: Accessible.StaticText
    Accessible.name: text
    Accessible.description: qsTr("The verdict on your last answer")

    function tell(asked, answered) {
        var right = Number(asked) === Number(answered)
        var askedName = typeof noteNaming !== "undefined" ? noteNaming.keyName(asked) : String(asked)
        var answeredName = typeof noteNaming !== "undefined" ? noteNaming.keyName(answered) : String(answered)
        text = right ? qsTr("Right: %1").arg(askedName)
                     : qsTr("Not quite: you played %1, the note was %2").arg(answeredName).arg(askedName)
    }
}
