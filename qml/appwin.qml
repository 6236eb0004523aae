import QtQuick
import QtQuick.Controls.Basic
import Keyboard 1.0
import QMLMessenger 1.0
import "colorswitchlib.js" as Colorswitchlib
import "timelinestriplib.js" as Timelinestriplib
import "levellib.js" as Levellib

// The main window. The application calls the four on... functions below by name;
// everything else reaches the application through "appmessenger".
Rectangle {
    id: rootrec
    implicitWidth: 1280
    implicitHeight: 800
    width: implicitWidth
    height: implicitHeight
    color: Colorswitchlib.neutralColor
    // Keys no control takes come here: the letter rows play the on-screen keyboard.
    focus: true
    Accessible.role: Accessible.Pane
    Accessible.name: qsTr("Ovelune")
    Accessible.description: qsTr("Name each note you hear by playing its key, octave included")

    property int globalhbordermargin: 30
    // The help window or the statistics view covers the session's controls.
    readonly property bool overlayShown: helpWindow.visible || (statsLoader.item !== null && statsLoader.item.visible)
                                         || settingsShown
    readonly property bool settingsShown: settingsLoader.item !== null && settingsLoader.item.visible
    property int sessionCorrecAnswers: 0
    property int sessionIncorrectAnswers: 0
    property int difficultyLevel: 1
    property int questionsPerNote: 1
    property int repsPerNote: 7 * questionsPerNote
    property int currentNote: 0

    // Set when a level-12 session has been passed; the next note begins a new round.
    property bool perfectPitchReached: false

    readonly property string headerColor: "#424c53"
    readonly property string labelColor: "#d0efff"

    signal changeCursor(var cursor)

    // A control reached with Tab has the keys; until then (and after Escape) Space replays the
    // note and the letter keys answer, as they always did.
    readonly property bool controlFocused: Window.activeFocusItem !== null && Window.activeFocusItem !== rootrec

    // A control disabled or hidden while it has the keys (the replay button while the note
    // plays, the footer under the help) gives them back here: typed answers never go nowhere.
    Connections {
        target: rootrec.Window.window
        function onActiveFocusItemChanged() {
            var item = rootrec.Window.activeFocusItem
            if (rootrec.Window.active && (item === null || item === rootrec.Window.contentItem))
                rootrec.forceActiveFocus()
        }
    }

    Keys.onPressed: function(event) {
        if (event.key === Qt.Key_Escape && controlFocused) {
            rootrec.forceActiveFocus()
            event.accepted = true
        } else if (!overlayShown && !event.isAutoRepeat) {
            event.accepted = keyboard.typeKey(event.nativeScanCode, event.key, event.modifiers)
        }
    }

    // ---- callbacks from the application ----

    function onCurrentNote(note) {
        if (!speakerAnimation.running)
            speakerAnimation.start()
        speaker.waitinguserinput = true
        currentNote = note
        if (!replayButton.sessionstarted)
            replayButton.sessionstarted = true
        recolor()
        if (perfectPitchReached) {
            // The learner went on after perfect pitch: the model asks a fresh level-12 list.
            perfectPitchReached = false
            sessionCorrecAnswers = 0
            sessionIncorrectAnswers = 0
            prepareCells(difficultyLevel, 0, 0)
        }
        scoreText.text = Timelinestriplib.scoreText(sessionCorrecAnswers + sessionIncorrectAnswers + 1,
                                                    sessionTotal())
    }

    function onAnswerRecieved(correct, noteNumber) {
        if (sessionCorrecAnswers + sessionIncorrectAnswers >= cellModel.count) {
            // More answers than the strip has cells: begin a new row rather than lose them.
            sessionCorrecAnswers = 0
            sessionIncorrectAnswers = 0
            prepareCells(difficultyLevel, 0, 0)
        }
        if (correct)
            sessionCorrecAnswers++
        else
            sessionIncorrectAnswers++
        var total = sessionCorrecAnswers + sessionIncorrectAnswers
        scoreText.text = Timelinestriplib.scoreText(total, sessionTotal())
        percentText.text = Timelinestriplib.percentText(sessionCorrecAnswers, total)
        cellModel.setProperty(total - 1, "cellColor", Timelinestriplib.cellColor(correct))
        strip.filledCells = total
    }

    // The notes of the answer just judged; onAnswerRecieved follows.
    function onAnswerNotes(asked, answered) {
        verdict.tell(asked, answered)
    }

    function onMaturityLevelChanged(newLevel) {
        pickLevel(newLevel)
        fluencyMarks.refresh()
    }

    function onPerfectPitchAcquired(note) {
        // The finished session stays on screen until the learner goes on.
        perfectPitchReached = true
        fluencyMarks.refresh()
    }

    // ---- window logic ----

    function sessionTotal() {
        return difficultyLevel * repsPerNote
    }

    function validLevel(level) {
        var n = Number(level)
        return (n >= 1 && n <= Levellib.levelCount && Math.floor(n) === n) ? n : 1
    }

    function showLevel(level) {
        difficultyLevel = validLevel(level)
        levelPicture.source = "qrc:/res/level" + difficultyLevel + ".png"
    }

    function recolor() {
        rootrec.color = Colorswitchlib.colorMapper(colorswitch.value === 1, currentNote)
    }

    function setPointer(hovered) {
        appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
    }

    // Rebuilds the strip for `level`; `earlierCorrect`/`earlierIncorrect` are answers the
    // session already holds from an earlier run and are shown as neutral cells.
    function prepareCells(level, earlierCorrect, earlierIncorrect) {
        var layout = Timelinestriplib.prepareCells(level, repsPerNote, stripPicture.x, stripPicture.width,
                                                   scoreMarker.width, earlierCorrect, earlierIncorrect)
        cellModel.clear()
        for (var i = 0; i < layout.count; ++i)
            cellModel.append({ "cellColor": layout.colors[i] })
        strip.filledCells = layout.correct + layout.incorrect
        sessionCorrecAnswers = layout.correct
        sessionIncorrectAnswers = layout.incorrect
        scoreText.text = layout.scoreText
        percentText.text = layout.percentText
    }

    // Shows the level and the answers of the session the application holds.
    function showStoredSession() {
        showLevel(appmessenger.maturityLevel)
        prepareCells(difficultyLevel, Number(appmessenger.correctCount) || 0,
                     Number(appmessenger.incorrectCount) || 0)
    }

    // A level reported by the application or picked on the picture.
    function pickLevel(level) {
        showLevel(level)
        perfectPitchReached = false
        prepareCells(difficultyLevel, 0, 0)
        appmessenger.startNewSession(difficultyLevel)
        recolor()
    }

    // "Begin here": go on with the stored session, or start one at the stored level.
    // Made at the first opening: the charts cost nothing until the learner asks for them.
    function showSettings() {
        settingsLoader.active = true
        settingsLoader.item.open()
    }

    property bool statsKeyed: false // opened from the keyboard: the keys go into the view

    function showStatistics() {
        statsKeyed = controlFocused
        if (statsLoader.item)
            statsLoader.item.open(statsKeyed)
        else
            statsLoader.active = true // opened once made
    }

    function beginSession() {
        replayButton.sessionstarted = true
        perfectPitchReached = false
        appmessenger.continueSession()
        showStoredSession()
        scoreText.text = Timelinestriplib.scoreText(sessionCorrecAnswers + sessionIncorrectAnswers + 1,
                                                    sessionTotal())
        if (colorswitch.value === 1)
            recolor()
    }

    Component.onCompleted: showStoredSession()

    // ---- centre band: speaker, waves and the start/replay button ----

    Item {
        id: waves
        property int duration: 1500
        property int delay: 750
        property int waveStartDiameter: speaker.width / 1000
        property int waveStartBorderWidth: 40
        property real waveStartOpacity: colorswitch.value === 1 ? 0.17 : 0.07

        function start(index) {
            waveRepeater.itemAt(index).run.start()
        }

        function stopAndReset() {
            for (var i = 0; i < waveRepeater.count; ++i) {
                var ring = waveRepeater.itemAt(i)
                ring.run.stop()
                ring.width = waveStartDiameter
                ring.border.width = waveStartBorderWidth
                ring.opacity = waveStartOpacity
            }
        }
    }

    // Three rings that grow out of the speaker one after another.
    Repeater {
        id: waveRepeater
        model: 3
        Rectangle {
            id: ring
            objectName: "wave" + index
            property alias run: run
            anchors.centerIn: speaker
            width: waves.waveStartDiameter
            height: width
            radius: width / 2
            color: "transparent"
            border.color: "#ffffff"
            border.width: waves.waveStartBorderWidth
            opacity: waves.waveStartOpacity

            ParallelAnimation {
                id: run
                NumberAnimation { target: ring; property: "width"; to: rootrec.width - 50; duration: waves.duration }
                NumberAnimation { target: ring; property: "border.width"; to: waves.waveStartBorderWidth * 3; duration: waves.duration }
                NumberAnimation { target: ring; property: "opacity"; from: waves.waveStartOpacity; to: 0; duration: waves.duration }
            }
        }
    }

    SequentialAnimation {
        id: speakerAnimation
        ScriptAction {
            script: {
                speaker.source = "qrc:/res/speaker.png"
                replayButton.speakerBusy = true
                waves.start(0)
            }
        }
        PauseAnimation { duration: waves.delay }
        ScriptAction { script: waves.start(1) }
        PauseAnimation { duration: waves.delay }
        ScriptAction { script: waves.start(2) }
        PauseAnimation { duration: waves.duration }
        ScriptAction {
            script: {
                waves.stopAndReset()
                speaker.source = "qrc:/res/waitingspeaker.png"
                replayButton.speakerBusy = false
            }
        }
    }

    Image {
        id: speaker
        objectName: "speaker"
        property bool waitinguserinput: false
        source: "qrc:/res/speaker.png"
        anchors.horizontalCenter: parent.horizontalCenter
        y: (rootrec.height - height - footer.height + header.height + levelArea.height) / 2
    }

    Button {
        id: replayButton
        objectName: "replaySound"
        property bool sessionstarted: false
        property bool speakerBusy: false
        z: 200
        width: 129
        height: 40
        anchors.horizontalCenter: parent.horizontalCenter
        y: (speaker.y + speaker.height + footer.y - 40) / 2
        enabled: !speakerBusy && !rootrec.overlayShown
        text: sessionstarted ? qsTr("Replay note") : qsTr("Begin here")
        padding: 0
        hoverEnabled: true
        // Tab reaches it; a click leaves the focus where it was, so Space keeps replaying.
        focusPolicy: Qt.TabFocus
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.description: sessionstarted ? qsTr("Plays the note again (Space)") : qsTr("Starts the session (Enter)")
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        FocusRing { shown: replayButton.visualFocus }
        background: Image {
            source: "qrc:/res/" + (replayButton.sessionstarted ? "btn_gray" : "btn_green")
                    + (replayButton.pressed ? "_p" : replayButton.hovered ? "_h" : "_n") + ".png"
        }
        contentItem: Text {
            text: replayButton.text
            color: "#ffffff"
            font.bold: true
            font.pixelSize: 14
            font.family: "Arial"
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
        }
        onHoveredChanged: rootrec.setPointer(hovered)
        onClicked: {
            if (!sessionstarted)
                rootrec.beginSession()
            else
                appmessenger.replayQuestion()
        }
    }

    // Space replays the note and Enter begins, as the button does while it is enabled.
    Shortcut {
        sequence: "Space"
        enabled: replayButton.enabled && replayButton.sessionstarted && !rootrec.controlFocused
        onActivated: replayButton.clicked()
    }
    Shortcut {
        sequences: ["Return", "Enter"]
        enabled: replayButton.enabled && !replayButton.sessionstarted && !rootrec.controlFocused
        onActivated: replayButton.clicked()
    }

    // ---- header ----

    Rectangle {
        id: header
        z: 50
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: parent.top
        height: 60
        color: rootrec.headerColor

        Image {
            id: title
            source: "qrc:/res/title.png"
            width: 250
            height: sourceSize.width > 0 ? width * sourceSize.height / sourceSize.width : 40
            fillMode: Image.PreserveAspectFit
            smooth: true
            anchors.left: parent.left
            anchors.leftMargin: rootrec.globalhbordermargin
            anchors.verticalCenter: parent.verticalCenter
        }

        ChromeButton {
            id: closeButton
            objectName: "closeButton"
            anchors.right: parent.right
            anchors.rightMargin: rootrec.globalhbordermargin
            anchors.verticalCenter: parent.verticalCenter
            picture: "btn_close"
            tip: qsTr("Close")
            description: qsTr("Ends Ovelune; your progress is kept")
            onClicked: Qt.quit()
        }

        ChromeButton {
            id: minimizeButton
            objectName: "minimizeButton"
            anchors.right: closeButton.left
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            picture: "btn_min"
            tip: qsTr("Hide")
            description: qsTr("Minimises the window")
            onClicked: appmessenger.hideWindow()
        }

        ChromeButton {
            id: helpButton
            objectName: "helpButton"
            anchors.right: minimizeButton.left
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            picture: "btn_help"
            tip: qsTr("Help")
            description: qsTr("Shows how Ovelune trains you")
            onClicked: helpWindow.visible = true
        }

        ChromeButton {
            id: statsButton
            objectName: "statsButton"
            anchors.right: helpButton.left
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            picture: "btn_stats"
            tip: qsTr("Your practice")
            description: qsTr("Shows the statistics of your practice")
            enabled: !helpWindow.visible && !rootrec.settingsShown
            onClicked: rootrec.showStatistics()
        }

        ChromeButton {
            id: settingsButton
            objectName: "settingsButton"
            anchors.right: statsButton.left
            anchors.rightMargin: 5
            anchors.verticalCenter: parent.verticalCenter
            picture: "btn_settings"
            tip: qsTr("Settings")
            description: qsTr("Opens the settings: reference pitch, fluency and clearing the ear")
            enabled: statsButton.enabled && (statsLoader.item === null || !statsLoader.item.visible)
            onClicked: rootrec.showSettings()
        }

        Text {
            id: onOffLabel
            width: 38
            height: 37
            anchors.right: settingsButton.left
            anchors.rightMargin: 65
            anchors.verticalCenter: parent.verticalCenter
            visible: !rootrec.overlayShown
            text: colorswitch.value === 1 ? qsTr("ON") : qsTr("OFF")
            font.bold: true
            font.pixelSize: 14
            color: rootrec.labelColor
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        Slider {
            id: colorswitch
            objectName: "colorswitch"
            width: 72
            height: 37
            anchors.right: onOffLabel.left
            anchors.rightMargin: 15
            anchors.verticalCenter: parent.verticalCenter
            visible: !rootrec.overlayShown
            from: 0
            to: 1
            stepSize: 1
            snapMode: Slider.SnapAlways
            padding: 0
            focusPolicy: Qt.TabFocus
            Accessible.role: Accessible.CheckBox
            Accessible.name: colorHintLabel.text
            Accessible.checkable: true
            Accessible.checked: value === 1
            Accessible.description: qsTr("The window takes the colour of each note played")
            // Any key that would move the slider flips the switch, and the choice is stored.
            Keys.onPressed: function(event) {
                if ([Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter, Qt.Key_Left, Qt.Key_Right, Qt.Key_Up,
                     Qt.Key_Down].indexOf(event.key) >= 0) {
                    toggle()
                    event.accepted = true
                }
            }
            FocusRing { shown: colorswitch.visualFocus }
            // Read once: the bridge's properties do not notify changes.
            Component.onCompleted: value = appmessenger.showColorMap ? 1 : 0
            background: Image {
                source: colorswitch.value === 1 ? "qrc:/res/slider_bg_color.png" : "qrc:/res/slider_bg_dark.png"
                width: 72
                height: 37
            }
            // The grip stands 20 pixels in from the end the value points to.
            handle: Image {
                source: "qrc:/res/slider_grip.png"
                x: (colorswitch.value === 1 ? colorswitch.width - 20 : 20) - width / 2
                y: (colorswitch.height - height) / 2 + 3
            }

            function toggle() {
                value = value === 1 ? 0 : 1
                appmessenger.showColorMap = value === 1
                if (replayButton.sessionstarted)
                    rootrec.recolor()
            }

            MouseArea {
                anchors.fill: parent
                hoverEnabled: true
                onEntered: rootrec.setPointer(true)
                onExited: rootrec.setPointer(false)
                onClicked: colorswitch.toggle()
            }
        }

        Text {
            id: colorHintLabel
            // Grows to the left for longer words than "Color hint".
            width: Math.max(81, implicitWidth)
            height: 37
            anchors.right: colorswitch.left
            anchors.rightMargin: 15
            anchors.verticalCenter: parent.verticalCenter
            visible: !rootrec.overlayShown
            text: qsTr("Color hint")
            font.pixelSize: 14
            color: rootrec.labelColor
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
        }
    }

    // ---- level area: picker and progress strip ----

    Rectangle {
        id: levelArea
        z: 50
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.top: header.bottom
        height: strip.y + strip.height
        color: "#d4e8f4"
        visible: !rootrec.overlayShown

        Text {
            id: guessLabel
            x: rootrec.globalhbordermargin
            y: 5
            text: qsTr("Guess the note")
            font.pixelSize: 14
            color: "#718897"
        }

        Verdict {
            id: verdict
            anchors.right: parent.right
            anchors.rightMargin: rootrec.globalhbordermargin
            anchors.left: guessLabel.right
            anchors.leftMargin: 20
            y: guessLabel.y
            height: guessLabel.height
        }

        Image {
            id: levelPicture
            objectName: "levelPicture"
            z: 100
            x: rootrec.globalhbordermargin
            y: guessLabel.y + guessLabel.height + 5
            width: parent.width - 2 * rootrec.globalhbordermargin
            height: sourceSize.width > 0 ? width * sourceSize.height / sourceSize.width : width * 102 / 2434
            source: "qrc:/res/level1.png"
            fillMode: Image.PreserveAspectFit
            smooth: true

            // With the keyboard: Tab reaches the picture, the arrows choose a level and Space or
            // Enter trains at it.
            property int focusLevel: rootrec.difficultyLevel
            activeFocusOnTab: true
            onActiveFocusChanged: focusLevel = rootrec.difficultyLevel
            Keys.onPressed: function(event) {
                if (event.key === Qt.Key_Left || event.key === Qt.Key_Right) {
                    focusLevel = Math.max(1, Math.min(Levellib.levelCount, focusLevel + (event.key === Qt.Key_Left ? -1 : 1)))
                    event.accepted = true
                } else if (event.key === Qt.Key_Space || event.key === Qt.Key_Return || event.key === Qt.Key_Enter) {
                    rootrec.pickLevel(focusLevel)
                    event.accepted = true
                }
            }
            Accessible.role: Accessible.List
            Accessible.name: qsTr("Level %1 of %2: %3").arg(rootrec.difficultyLevel).arg(Levellib.levelCount)
                             .arg(levelLabels.names.slice(0, rootrec.difficultyLevel).join(", "))
            Accessible.description: activeFocus ? qsTr("Train at level %1: Space; other levels: the arrow keys").arg(focusLevel)
                                                : qsTr("Choose the notes you train")

            LevelLabels {
                id: levelLabels
                anchors.fill: parent
                level: rootrec.difficultyLevel
                names: typeof noteNaming !== "undefined" ? noteNaming.levelNames
                                                         : ["C", "D", "E", "F", "G", "A", "B", "C♯", "D♯", "F♯", "G♯", "A♯"]
            }

            // The chevron of the level the arrows have chosen.
            FocusRing {
                shown: levelPicture.activeFocus
                anchors.fill: undefined
                anchors.margins: 0
                x: (levelPicture.focusLevel - 1) * width
                width: levelPicture.width * (1 - 263 / 2434) / Levellib.levelCount
                height: levelPicture.height
            }

            MouseArea {
                id: levelMouse
                anchors.fill: parent
                hoverEnabled: true
                property bool overNotes: false

                function track(x, y) {
                    var over = Levellib.inHoverArea(x, levelPicture.width)
                    if (over === overNotes)
                        return
                    overNotes = over
                    rootrec.setPointer(over)
                    if (over) {
                        levelTooltip.x = levelPicture.x + x
                        levelTooltip.y = levelPicture.y + y
                    }
                    levelTooltip.visible = over
                }

                onEntered: track(mouseX, mouseY)
                onPositionChanged: function(mouse) { track(mouse.x, mouse.y) }
                onExited: {
                    overNotes = false
                    rootrec.setPointer(false)
                    levelTooltip.visible = false
                }
                onClicked: function(mouse) {
                    var level = Levellib.levelClicked(mouse.x, levelPicture.width)
                    if (level > 0)
                        rootrec.pickLevel(level)
                }
            }

            FluencyMarks {
                id: fluencyMarks
                objectName: "fluencyMarks"
                anchors.fill: parent
            }
        }

        Rectangle {
            id: levelTooltip
            objectName: "levelTooltip"
            z: 150
            width: 75
            height: 18
            visible: false
            color: "#F5F4B4"
            border.width: 1
            border.color: "#95A9B3"
            Text {
                anchors.centerIn: parent
                text: qsTr("Click on note")
                font.pixelSize: 10
                color: "#424c53"
            }
        }

        Item {
            id: strip
            objectName: "strip"
            z: 100
            x: rootrec.globalhbordermargin
            y: levelPicture.y + levelPicture.height + 10
            width: parent.width - 2 * rootrec.globalhbordermargin
            height: 70
            Accessible.role: Accessible.StaticText
            Accessible.name: qsTr("Score: %1 of %2 answered, %3 right").arg(rootrec.sessionCorrecAnswers + rootrec.sessionIncorrectAnswers)
                             .arg(rootrec.sessionTotal()).arg(percentText.text)
            // Cells already coloured; the markers stand on the right end of the last one.
            property int filledCells: 0
            readonly property real cellWidth: Timelinestriplib.cellWidth(stripPicture.width, cellModel.count)
            readonly property real markerX: Timelinestriplib.markerStartX(stripPicture.x, scoreMarker.width)
                                            + filledCells * cellWidth

            ListModel {
                id: cellModel
            }

            Image {
                id: stripPicture
                z: 101
                source: "qrc:/res/timelinestrip.png"
                width: parent.width
                height: sourceSize.width > 0 ? width * sourceSize.height / sourceSize.width : width * 16 / 2432
                anchors.verticalCenter: parent.verticalCenter
                smooth: true

                Row {
                    id: cellRow
                    objectName: "cellRow"
                    x: Timelinestriplib.cellInset
                    anchors.verticalCenter: parent.verticalCenter
                    Repeater {
                        model: cellModel
                        Rectangle {
                            width: strip.cellWidth
                            height: stripPicture.height - 2
                            color: cellColor
                        }
                    }
                }
            }

            Image {
                id: scoreMarker
                objectName: "scoreMarker"
                z: 102
                source: "qrc:/res/total_bg.png"
                rotation: 180
                x: strip.markerX
                y: stripPicture.y - 3 - height
                Text {
                    id: scoreText
                    objectName: "scoreText"
                    rotation: 180
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: 2
                    text: "0/" + rootrec.repsPerNote
                    color: "#ffffff"
                    font.pixelSize: 10
                }
            }

            Image {
                id: percentMarker
                objectName: "percentMarker"
                z: 102
                source: "qrc:/res/total_bg.png"
                x: strip.markerX
                y: stripPicture.y + stripPicture.height + 3
                Text {
                    id: percentText
                    objectName: "percentText"
                    anchors.centerIn: parent
                    anchors.verticalCenterOffset: 2
                    text: "0%"
                    color: "#ffffff"
                    font.pixelSize: 10
                }
            }
        }
    }

    // ---- footer: MIDI device list and keyboard ----

    Rectangle {
        id: footer
        z: 50
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: rootrec.height / 3.85
        color: rootrec.headerColor
        visible: !rootrec.overlayShown

        Text {
            id: midiLabel
            x: rootrec.globalhbordermargin
            anchors.verticalCenter: mididev.verticalCenter
            text: qsTr("MIDI")
            font.pixelSize: 14
            color: rootrec.labelColor
        }

        ChoiceField {
            id: mididev
            objectName: "mdev"
            x: midiLabel.x + midiLabel.width + 10
            y: 10
            // "midiListModel" is published right after loading; until then the list is empty.
            // The application sets currentIndex to the input in use.
            model: typeof midiListModel !== "undefined" ? midiListModel : []
            currentIndex: 0
            accessibleLabel: qsTr("MIDI keyboard")
            accessibleDescription: qsTr("The MIDI keyboard Ovelune listens to")
            onActivated: function(index) { appmessenger.selectInputDevice(index) }
        }

        Text {
            id: instrumentLabel
            x: mididev.x + mididev.width + 20
            anchors.verticalCenter: mididev.verticalCenter
            text: qsTr("Instrument")
            font.pixelSize: 14
            color: rootrec.labelColor
        }

        ChoiceField {
            id: instrumentField
            objectName: "instrument"
            x: instrumentLabel.x + instrumentLabel.width + 10
            y: mididev.y
            model: appmessenger.instrumentNames
            accessibleLabel: qsTr("Instrument")
            accessibleDescription: qsTr("The instrument the notes sound with")
            Component.onCompleted: currentIndex = appmessenger.instrumentIndex
            onActivated: function(index) { appmessenger.selectInstrument(index) }
        }

        Rectangle {
            id: keyboardArea
            color: "#ffffff"
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.leftMargin: rootrec.globalhbordermargin
            anchors.rightMargin: rootrec.globalhbordermargin
            anchors.topMargin: mididev.height + 2 * mididev.y

            Keyboard {
                id: keyboard
                objectName: "Keyboard"
                color: "blue"
                anchors.fill: parent
                Accessible.role: Accessible.Grouping
                Accessible.name: qsTr("Piano keyboard")
                Accessible.description: qsTr("Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, "
                                             + "Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to "
                                             + "another octave (now from C%1)").arg(typingOctave)
            }
        }
    }

    // ---- review and pitch test: their line and result card; Ctrl+R and Ctrl+T start them
    // (the letters alone play notes) ----

    SpecialSessions {
        id: specialSessions
        z: 300
        window: rootrec
        verdictText: verdict
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: levelArea.bottom
        anchors.topMargin: 10
        onStarted: replayButton.sessionstarted = true
    }
    Shortcut {
        sequence: "Ctrl+R"
        enabled: !rootrec.overlayShown
        onActivated: appmessenger.startReview()
    }
    Shortcut {
        sequence: "Ctrl+T"
        enabled: !rootrec.overlayShown
        onActivated: appmessenger.startPitchTest()
    }

    // ---- statistics overlay ----

    Loader {
        id: statsLoader
        z: 500
        anchors.centerIn: parent
        active: false
        // Made a piece per frame: the window never stops for the charts' creation.
        asynchronous: true
        // Named by its file, so that Qt Charts loads with the view's first opening and not
        // with the window.
        source: "StatisticsWindow.qml"
        onLoaded: {
            item.objectName = "statsWindow"
            item.width = Qt.binding(function() { return Math.min(1100, rootrec.width - 40) })
            item.height = Qt.binding(function() { return Math.min(700, rootrec.height - 40) })
            item.open(rootrec.statsKeyed)
        }
    }

    Connections {
        target: statsLoader.item
        function onClosed(fromKeyboard) {
            if (fromKeyboard)
                statsButton.forceActiveFocus(Qt.TabFocusReason)
        }
    }

    Shortcut {
        sequence: "Escape"
        enabled: statsLoader.item !== null && statsLoader.item.visible
        onActivated: statsLoader.item.close()
    }

    // ---- settings overlay ----

    // Made at the first opening, as the statistics view.
    Loader {
        id: settingsLoader
        z: 500
        anchors.centerIn: parent
        active: false
        sourceComponent: SettingsWindow {
            objectName: "settingsWindow"
            visible: false
            onVisibleChanged: if (!visible) fluencyMarks.refresh() // the time limit may have changed
        }
    }

    Shortcut {
        sequence: "Escape"
        enabled: rootrec.settingsShown
        onActivated: settingsLoader.item.close()
    }

    // ---- help overlay ----

    HelpWindow {
        id: helpWindow
        objectName: "helpWindow"
        z: 500
        anchors.centerIn: parent
        visible: false
        Component.onCompleted: visible = appmessenger.showHelpOnStart
    }
}
