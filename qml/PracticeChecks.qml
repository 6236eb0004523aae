import QtQuick
import QtQuick.Controls.Basic

// The statistics view's starts of a review of weak notes and of a pitch test, and the
// pitch tests taken so far drawn over time: the share of right answers per test.
Row {
    id: checks
    spacing: 6
    height: 30
    property var tests: [] // StatisticsTest records in time order
    readonly property color textColor: "#e8eef2"
    // The view closes before the review or the test starts.
    signal starting()

    function describeTests() {
        if (tests.length === 0)
            return qsTr("No pitch test taken yet")
        var parts = []
        for (var i = Math.max(0, tests.length - 5); i < tests.length; ++i)
            parts.push(Math.round(tests[i].rightPercent) + " %")
        return qsTr("Pitch tests, right answers, latest last: %1").arg(parts.join(", "))
    }

    Repeater {
        model: [{ name: "reviewButton", label: qsTr("Review"), start: "review",
                  tip: qsTr("21 questions on your weakest notes and the notes you confuse (Ctrl+R)") },
                { name: "pitchTestButton", label: qsTr("Test my pitch"), start: "test",
                  tip: qsTr("36 notes over the whole range without feedback, then your result card (Ctrl+T)") }]
        Button {
            objectName: modelData.name
            // As wide as its label needs in the learner's language.
            width: Math.max(modelData.start === "review" ? 80 : 112,
                            Math.ceil(contentItem.implicitWidth) + leftPadding + rightPadding)
            height: checks.height
            text: modelData.label
            hoverEnabled: true
            focusPolicy: Qt.TabFocus
            Accessible.role: Accessible.Button
            Accessible.name: text
            Accessible.description: modelData.tip
            ToolTip.visible: hovered
            ToolTip.delay: 700
            ToolTip.text: modelData.tip
            Keys.onReturnPressed: clicked()
            Keys.onEnterPressed: clicked()
            FocusRing { shown: parent.visualFocus }
            background: Rectangle {
                radius: 15
                color: parent.hovered ? "#5b6972" : "#4d585f"
                border.color: "#7fd4a8"
            }
            contentItem: Text {
                text: parent.text
                color: checks.textColor
                font.pixelSize: 13
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
            onHoveredChanged: appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
            onClicked: {
                checks.starting()
                if (modelData.start === "review")
                    appmessenger.startReview()
                else
                    appmessenger.startPitchTest()
            }
        }
    }

    // Right answers per pitch test, 0 to 100 %, oldest left.
    Canvas {
        id: trend
        objectName: "pitchTestTrend"
        width: 90
        height: checks.height
        Accessible.role: Accessible.Chart
        Accessible.name: qsTr("Pitch tests over time")
        Accessible.description: checks.describeTests()
        onPaint: {
            var g = getContext("2d")
            g.reset()
            g.fillStyle = "#3a4349"
            g.fillRect(0, 0, width, height)
            var list = checks.tests
            g.strokeStyle = "#7fd4a8"
            g.fillStyle = "#7fd4a8"
            g.lineWidth = 2
            g.beginPath()
            for (var i = 0; i < list.length; ++i) {
                var x = list.length > 1 ? 4 + i * (width - 8) / (list.length - 1) : width / 2
                var y = height - 3 - list[i].rightPercent / 100 * (height - 6)
                if (i === 0)
                    g.moveTo(x, y)
                else
                    g.lineTo(x, y)
                g.fillRect(x - 1.5, y - 1.5, 3, 3)
            }
            g.stroke()
        }
        ToolTip.visible: trendHover.containsMouse
        ToolTip.text: checks.describeTests()
        MouseArea {
            id: trendHover
            anchors.fill: parent
            hoverEnabled: true
            acceptedButtons: Qt.NoButton
        }
    }
    onTestsChanged: trend.requestPaint()
}
