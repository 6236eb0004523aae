import QtQuick
import QtQuick.Controls.Basic
import QtCharts

// The learner's practice history, over the main window in the help window's style: level and
// score per session, accuracy per note and per octave, the notes taken for others, response
// times and practice time per day, and the 84 trained keys coloured by accuracy; or all of it
// as text, to read or to have read aloud.
Rectangle {
    id: stats
    width: 1100
    height: 700
    color: "#424c53"
    radius: 8

    property int margin: 15
    property int days: 30 // 7, 30, or 0 for the whole history
    property var figures: ({})
    property bool empty: true
    property bool computing: false // the last figures stay shown until the new ones come
    property bool drawn: false // every chart shows the last figures
    property int confusionMax: 1 // the most frequent confusion, for the matrix's shading
    property var described: ({}) // the figures as text, part by part (see appmessenger.describeStatistics)
    property bool asText: false
    readonly property var noteNames: noteNaming.pitchClassNames // in the learner's system
    readonly property color textColor: "#e8eef2"

    function setPointer(hovered) {
        appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
    }

    // Opened from the keyboard, the keys go to the chosen time, and back to the window's
    // button when the view closes.
    signal closed(bool fromKeyboard)

    function open(fromKeyboard) {
        visible = true
        refresh()
        if (fromKeyboard)
            rangeButtons.itemAt([7, 30, 0].indexOf(days)).forceActiveFocus(Qt.TabFocusReason)
    }

    function close() {
        var keyed = holds(Window.activeFocusItem)
        visible = false
        setPointer(false)
        closed(keyed)
    }

    function holds(item) {
        for (var i = item; i; i = i.parent)
            if (i === stats)
                return true
        return false
    }

    function percent(right, total) {
        return total > 0 ? 100 * right / total : 0
    }

    // Red for 0 %, yellow for 50 %, green for 100 %; grey when never asked.
    function accuracyColor(right, total) {
        if (total === 0)
            return "#5b6972"
        return Qt.hsla(0.33 * right / total, 0.65, 0.45, 1)
    }

    function refresh() {
        computing = true
        appmessenger.requestStatistics(days, stats)
    }

    function showFigures(newFigures) {
        computing = false
        figures = newFigures
        empty = figures.answers === undefined || figures.answers === 0
        drawn = empty
        var most = 1
        for (var i = 0; figures.confusion && i < 144; ++i)
            if (i % 13 !== 0) // off the diagonal
                most = Math.max(most, figures.confusion[i])
        confusionMax = most
        problemText.text = figures.readError || figures.problem || ""
        described = appmessenger.describeStatistics()
        if (empty)
            return
        // One chart group per turn of the event loop: the window never waits for all at once.
        fillSessions()
        Qt.callLater(fillAccuracyThenDays)
        var share = figures.octaveErrorShare * 100
        octaveErrorText.text = qsTr("Right note, wrong octave: %1 % of answers").arg(share.toLocaleString(Qt.locale(), "f", 1))
    }

    function fillSessions() {
        var sessions = figures.sessions
        appmessenger.plot(scoreSeries, "sessions", "time", "score", 1)
        appmessenger.plot(levelSeries, "sessions", "time", "level", 1)
        setTimeRange(sessionTime, sessions.length ? sessions[0].time : Date.now(),
                     sessions.length ? sessions[sessions.length - 1].time : Date.now())
    }

    function fillAccuracyThenDays() {
        fillAccuracy()
        Qt.callLater(fillDays)
    }

    function fillAccuracy() {
        var values = []
        for (var p = 0; p < 12; ++p)
            values.push(percent(figures.pitchClasses[p].right, figures.pitchClasses[p].total))
        pitchClassBars.clear()
        pitchClassBars.append(qsTr("Right"), values)
        var octaves = [], labels = []
        for (var o = 0; o < figures.octaves.length; ++o) {
            octaves.push(percent(figures.octaves[o].right, figures.octaves[o].total))
            labels.push(String(figures.octaves[o].at))
        }
        octaveAxis.categories = labels
        octaveBars.clear()
        octaveBars.append(qsTr("Right"), octaves)
    }

    function fillDays() {
        var list = figures.days
        appmessenger.plot(responseSeries, "days", "time", "medianResponseMs", 0.001)
        appmessenger.plot(practiceSeries, "days", "time", "practiceMinutes", 1)
        var slowest = 1, longest = 5
        for (var i = 0; i < list.length; ++i) {
            slowest = Math.max(slowest, list[i].medianResponseMs / 1000)
            longest = Math.max(longest, list[i].practiceMinutes)
        }
        responseAxis.max = Math.ceil(slowest)
        practiceValues.max = Math.ceil(longest)
        var from = list.length ? list[0].time : Date.now(), to = list.length ? list[list.length - 1].time : Date.now()
        setTimeRange(responseTime, from, to)
        setTimeRange(practiceTime, from, to)
        drawn = true
    }

    // A single point gets a day on either side, so the axis never collapses.
    function setTimeRange(axis, from, to) {
        axis.min = new Date(from - (to - from < 86400000 ? 86400000 : 0))
        axis.max = new Date(to + (to - from < 86400000 ? 86400000 : 0))
    }

    // Clicks on the view's free surface must not reach the main window below.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
    }

    Text {
        id: heading
        x: stats.margin + 5
        y: stats.margin + 6
        text: qsTr("Your practice")
        color: stats.textColor
        font.pixelSize: 22
        font.bold: true
    }

    Row {
        id: rangeChoice
        objectName: "statsRange"
        anchors.horizontalCenter: parent.horizontalCenter
        y: stats.margin + 4
        spacing: 6
        Repeater {
            id: rangeButtons
            model: [{label: qsTr("Last %n days", "", 7), days: 7}, {label: qsTr("Last %n days", "", 30), days: 30},
                    {label: qsTr("All"), days: 0}]
            StatsButton {
                objectName: "statsRange" + modelData.days
                text: modelData.label
                selected: stats.days === modelData.days
                Accessible.description: qsTr("Shows the figures of this time")
                onClicked: {
                    stats.days = modelData.days
                    stats.refresh()
                }
            }
        }
        Item { width: 12; height: 1 }
        Repeater {
            model: [{label: qsTr("As charts"), text: false, tip: qsTr("Shows the figures as charts")},
                    {label: qsTr("As text"), text: true, tip: qsTr("Shows the figures as text, to read or to have read aloud")}]
            StatsButton {
                objectName: modelData.text ? "statsAsText" : "statsAsCharts"
                text: modelData.label
                selected: stats.asText === modelData.text
                Accessible.description: modelData.tip
                onClicked: stats.asText = modelData.text
            }
        }
    }

    // Under the range choice, clear of it in a narrow window.
    PracticeChecks {
        anchors.right: parent.right
        anchors.rightMargin: stats.margin
        y: 52
        height: 28
        tests: stats.figures.tests || []
        onStarting: stats.close()
    }

    ChromeButton {
        objectName: "statsCloseButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: stats.margin
        anchors.rightMargin: stats.margin
        picture: "btn_close"
        tip: qsTr("Close")
        description: qsTr("Closes the statistics")
        onClicked: stats.close()
    }

    Text {
        id: problemText
        objectName: "statsProblem"
        x: stats.margin + 5
        y: 60
        width: parent.width - 2 * stats.margin - 10
        visible: text !== ""
        color: "#ffb347"
        font.pixelSize: 13
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignLeft // set: see ChoiceField
    }

    Text {
        anchors.centerIn: parent
        visible: stats.computing && stats.empty
        text: qsTr("Computing…")
        color: stats.textColor
        font.pixelSize: 16
    }

    Text {
        objectName: "statsEmpty"
        anchors.centerIn: parent
        width: parent.width - 200
        visible: stats.empty && !stats.computing && !stats.figures.readError
        text: qsTr("Nothing practised yet in this time. Answer a few questions: your level and score per "
                   + "session, how often you are right on each note and in each octave, the notes you take "
                   + "for others, how quickly you answer and how long you practise each day will appear here.")
        color: stats.textColor
        font.pixelSize: 16
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
    }

    // Every figure of the charts as lines of text, selectable and read by a screen reader.
    ScrollView {
        id: textView
        visible: stats.asText && !stats.empty
        x: stats.margin
        y: 85
        width: stats.width - 2 * stats.margin
        height: fluencyPanel.y - y - 8
        TextArea {
            objectName: "statsText"
            readOnly: true
            selectByMouse: true
            activeFocusOnTab: true
            wrapMode: TextEdit.Wrap
            horizontalAlignment: TextEdit.AlignLeft // set: see ChoiceField
            text: stats.described.text || ""
            color: stats.textColor
            font.pixelSize: 15
            Accessible.name: qsTr("Figures as text")
            Accessible.description: qsTr("Your practice in the time chosen, chart by chart")
            background: Rectangle { color: "#3a4349" }
        }
    }

    Grid {
        id: panels
        visible: !stats.empty && !stats.asText
        x: stats.margin
        y: 85
        columns: 3
        spacing: 8
        property real cellWidth: (stats.width - 2 * stats.margin - 2 * spacing) / 3
        property real cellHeight: (stats.height - y - keyStrip.height - fluencyPanel.height - 53 - spacing) / 2

        ChartView {
            objectName: "levelChart"
            Accessible.role: Accessible.Chart
            Accessible.name: chartTitle
            Accessible.description: stats.described.sessions || ""
            width: panels.cellWidth
            height: panels.cellHeight
            readonly property string chartTitle: qsTr("Score (%) and level per session")
            title: chartTitle
            theme: ChartView.ChartThemeDark
            backgroundColor: "#3a4349"
            antialiasing: true
            legend.visible: false
            DateTimeAxis { id: sessionTime; format: "d MMM"; tickCount: 4 }
            ValueAxis { id: scoreAxis; min: 0; max: 100; tickCount: 5; labelFormat: "%d" }
            ValueAxis { id: levelAxis; min: 0; max: 12; tickCount: 5; labelFormat: "%d"; labelsFont.pixelSize: 10 }
            LineSeries { id: scoreSeries; name: qsTr("Score"); axisX: sessionTime; axisY: scoreAxis; color: "#7fd4a8" }
            LineSeries { id: levelSeries; name: qsTr("Level"); axisX: sessionTime; axisYRight: levelAxis; color: "#f0c060" }
        }

        ChartView {
            objectName: "pitchClassChart"
            Accessible.role: Accessible.Chart
            Accessible.name: chartTitle
            Accessible.description: stats.described.pitchClasses || ""
            width: panels.cellWidth
            height: panels.cellHeight
            readonly property string chartTitle: qsTr("Right per note (%)")
            title: chartTitle
            theme: ChartView.ChartThemeDark
            backgroundColor: "#3a4349"
            antialiasing: true
            legend.visible: false
            BarSeries {
                id: pitchClassBars
                // Every note named: no label cut to "…" however narrow the chart.
                axisX: BarCategoryAxis { categories: stats.noteNames; labelsFont.pixelSize: 9; truncateLabels: false }
                axisY: ValueAxis { min: 0; max: 100; tickCount: 5; labelFormat: "%d" }
            }
        }

        ChartView {
            objectName: "octaveChart"
            Accessible.role: Accessible.Chart
            Accessible.name: chartTitle
            Accessible.description: stats.described.octaves || ""
            width: panels.cellWidth
            height: panels.cellHeight
            readonly property string chartTitle: qsTr("Right per octave (%)")
            title: chartTitle
            theme: ChartView.ChartThemeDark
            backgroundColor: "#3a4349"
            antialiasing: true
            legend.visible: false
            BarSeries {
                id: octaveBars
                axisX: BarCategoryAxis { id: octaveAxis }
                axisY: ValueAxis { min: 0; max: 100; tickCount: 5; labelFormat: "%d" }
            }
        }

        // Asked note per row, answered note per column; the darker, the more often.
        Rectangle {
            width: panels.cellWidth
            height: panels.cellHeight
            color: "#3a4349"
            Accessible.role: Accessible.Chart
            Accessible.name: confusionTitle.text
            Accessible.description: stats.described.confusions || ""
            Text {
                id: confusionTitle
                anchors.horizontalCenter: parent.horizontalCenter
                y: 6
                text: qsTr("Asked (rows) and answered (columns)")
                color: stats.textColor
                font.pixelSize: 13
                font.bold: true
            }
            Grid {
                id: confusion
                objectName: "confusionGrid"
                columns: 13
                anchors.horizontalCenter: parent.horizontalCenter
                y: confusionTitle.y + confusionTitle.height + 6
                property real cell: Math.min((parent.width - 20) / 13, (parent.height - y - 28) / 13)
                Repeater {
                    model: 169
                    Rectangle {
                        readonly property int row: Math.floor(index / 13) - 1
                        readonly property int column: index % 13 - 1
                        readonly property int count: row >= 0 && column >= 0 && stats.figures.confusion
                                                     ? stats.figures.confusion[row * 12 + column] : 0
                        readonly property int asked: row >= 0 && stats.figures.pitchClasses
                                                     ? stats.figures.pitchClasses[row].total : 0
                        width: confusion.cell
                        height: confusion.cell
                        color: row < 0 || column < 0 ? "transparent"
                               : count === 0 ? "#4d585f"
                               : row === column ? Qt.hsla(0.38, 0.6, 0.7 - 0.45 * count / Math.max(1, asked), 1)
                               : Qt.hsla(0.0, 0.65, 0.78 - 0.45 * count / stats.confusionMax, 1)
                        border.color: "#3a4349"
                        Text {
                            anchors.centerIn: parent
                            visible: parent.row < 0 !== parent.column < 0
                            text: parent.row < 0 ? stats.noteNames[Math.max(0, parent.column)]
                                                 : stats.noteNames[Math.max(0, parent.row)]
                            color: stats.textColor
                            font.pixelSize: 10
                        }
                    }
                }
            }
            Text {
                id: octaveErrorText
                objectName: "octaveErrorText"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 6
                color: stats.textColor
                font.pixelSize: 13
                horizontalAlignment: Text.AlignHCenter // set: see ChoiceField
            }
        }

        ChartView {
            objectName: "responseChart"
            Accessible.role: Accessible.Chart
            Accessible.name: chartTitle
            Accessible.description: stats.described.responseTimes || ""
            width: panels.cellWidth
            height: panels.cellHeight
            readonly property string chartTitle: qsTr("Median response time per day (s)")
            title: chartTitle
            theme: ChartView.ChartThemeDark
            backgroundColor: "#3a4349"
            antialiasing: true
            legend.visible: false
            DateTimeAxis { id: responseTime; format: "d MMM"; tickCount: 4 }
            ValueAxis { id: responseAxis; min: 0; max: 5; labelFormat: "%.1f" }
            LineSeries { id: responseSeries; axisX: responseTime; axisY: responseAxis; color: "#8fc1ff"; pointsVisible: true }
        }

        ChartView {
            objectName: "practiceChart"
            Accessible.role: Accessible.Chart
            Accessible.name: chartTitle
            Accessible.description: stats.described.practice || ""
            width: panels.cellWidth
            height: panels.cellHeight
            readonly property string chartTitle: qsTr("Practice per day (minutes)")
            title: chartTitle
            theme: ChartView.ChartThemeDark
            backgroundColor: "#3a4349"
            antialiasing: true
            legend.visible: false
            DateTimeAxis { id: practiceTime; format: "d MMM"; tickCount: 4 }
            ValueAxis { id: practiceValues; min: 0; max: 5; labelFormat: "%d" }
            LineSeries { id: practiceSeries; axisX: practiceTime; axisY: practiceValues; color: "#7fd4a8"; pointsVisible: true }
        }
    }

    FluencyPanel {
        id: fluencyPanel
        objectName: "fluencyPanel"
        visible: !stats.empty
        x: stats.margin
        width: stats.width - 2 * stats.margin
        anchors.bottom: keyStrip.top
        anchors.bottomMargin: 8
    }

    // The trained keys, C1 to B7, coloured by how often each was answered right.
    Row {
        id: keyStrip
        objectName: "keyStrip"
        visible: !stats.empty && !stats.asText
        Accessible.role: Accessible.Chart
        Accessible.name: qsTr("Right per key (%)")
        Accessible.description: stats.described.keys || ""
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 30
        height: 36
        Repeater {
            model: 84
            Rectangle {
                readonly property var key: stats.figures.keys ? stats.figures.keys[index] : null
                readonly property bool black: [1, 3, 6, 8, 10].indexOf(index % 12) >= 0
                width: (stats.width - 2 * stats.margin) / 84
                height: keyStrip.height
                color: key ? stats.accuracyColor(key.right, key.total) : "#5b6972"
                border.color: black ? "#111111" : "#3a4349"
                border.width: black ? 2 : 1
            }
        }
    }
    Text {
        anchors.left: keyStrip.left
        anchors.top: keyStrip.bottom
        anchors.topMargin: 3
        visible: keyStrip.visible
        text: noteNaming.keyName(24)
        color: stats.textColor
        font.pixelSize: 11
    }
    Text {
        anchors.horizontalCenter: keyStrip.horizontalCenter
        anchors.top: keyStrip.bottom
        anchors.topMargin: 3
        visible: keyStrip.visible
        text: qsTr("Right per key: red never, yellow half the time, green always; grey not asked")
        color: stats.textColor
        font.pixelSize: 11
    }
    Text {
        anchors.right: keyStrip.right
        anchors.top: keyStrip.bottom
        anchors.topMargin: 3
        visible: keyStrip.visible
        text: noteNaming.keyName(107)
        color: stats.textColor
        font.pixelSize: 11
    }
}
