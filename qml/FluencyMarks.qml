import QtQuick
import "levellib.js" as Levellib

// Over the level picture: a small tick at the corner of each pitch class the learner answers fluently
// (right and quick in nearly all of its latest answers). Call refresh() when the history
// has changed.
Item {
    id: marks
    property var fluent: [] // by chromatic pitch class, C first
    // The level order's pitch classes: C D E F G A B C# D# F# G# A#.
    readonly property var chromaticOfLevel: [0, 2, 4, 5, 7, 9, 11, 1, 3, 6, 8, 10]
    readonly property real segment: (width - Levellib.emblemWidth(width)) / Levellib.levelCount

    function refresh() {
        appoptions.requestFluency(marks)
    }

    function showFluency(figures) {
        var list = []
        for (var i = 0; i < 12; ++i)
            list.push(figures.length === 12 && figures[i].fluent === true)
        fluent = list
    }

    Component.onCompleted: refresh()

    Repeater {
        model: Levellib.levelCount
        Rectangle {
            objectName: "fluencyMark" + index
            visible: marks.fluent[marks.chromaticOfLevel[index]] === true
            width: 14
            height: 14
            radius: 7
            x: (index + 0.7) * marks.segment - width / 2
            y: 5
            color: "#ffffff"
            border.color: "#2f9e6a"
            border.width: 1
            Text {
                anchors.centerIn: parent
                text: "✓"
                color: "#2f9e6a"
                font.pixelSize: 10
                font.bold: true
            }
        }
    }
}
