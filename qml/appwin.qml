import QtQuick 2.3
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2
import Keyboard 1.0
import QMLMessenger 1.0
import "colorswitchlib.js" as Colors

Rectangle {
    id: rootrec
    width: 1280
    height: 800
    color: "#89a1af"

    property int globalhbordermargin: 30
    property int sessionCorrecAnswers: 0
    property int sessionIncorrectAnswers: 0
    property int difficultyLevel: 1
    property int questionsPerNote: 1
    property int repsPerNote: 7 * questionsPerNote
    property int currentNote: 0

    signal changeCursor(var cursor)

    function onCurrentNote(note) {
        currentNote = note
    }
    function onAnswerRecieved(correct, noteNumber) {
        if (correct)
            sessionCorrecAnswers++
        else
            sessionIncorrectAnswers++
    }
    function onMaturityLevelChanged(newLevel) {
        difficultyLevel = newLevel
        sessionCorrecAnswers = 0
        sessionIncorrectAnswers = 0
        appmessenger.startNewSession(newLevel)
    }
    function onPerfectPitchAcquired(note) {
    }

    Rectangle {
        id: footer
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: rootrec.height / 3.85
        color: "#424c53"
        Rectangle {
            anchors.fill: parent
            anchors.topMargin: 57
            anchors.leftMargin: rootrec.globalhbordermargin
            anchors.rightMargin: rootrec.globalhbordermargin
            color: "#ffffff"
            Keyboard {
                id: keyboard
                objectName: "Keyboard"
                color: "blue"
                anchors.fill: parent
            }
        }
    }
}
