import QtQuick
import QtQuick.Controls.Basic
import QMLMessenger 1.0
import "helpControllib.js" as HelpControllib

// Four pages introducing the method, shown over the main window.
Rectangle {
    id: helpControl
    width: 930
    height: 570
    color: "#424c53"
    radius: 8
    border.width: 0

    property int globalhbordermargin: 15
    property int currentScreen: 0
    Accessible.role: Accessible.Dialog
    Accessible.name: qsTr("Help")
    property string firstNote: typeof noteNaming !== "undefined" ? noteNaming.levelNames[0] : "C"
    property string textContent1: qsTr("Ovelune trains perfect pitch: the ability to name a note the moment "
        + "you hear it, with no reference tone to compare it with. Many people believe it is a rare gift "
        + "that you either have from birth or never will. It is not: like reading or typing, it is a "
        + "skill, and with the right method and a little practice every day you can learn it.")
    property string textContent2: qsTr("You begin with a single note, %1, which sounds equally often in every "
        + "octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and "
        + "adds the next note as soon as you are ready, until you know all twelve notes of the chromatic "
        + "scale in every octave. You can also choose for yourself how many notes are played: just click "
        + "a note on the bar at the top of the window.").arg(firstNote)
    property string textContent3: qsTr("Colours are easy to remember, and they can help you remember pitches "
        + "too. With the colour hint switched on, the window takes on the colour of each note as it is "
        + "played, so that every note gets a colour of its own and sound and colour grow together in "
        + "your memory. Switch the hint off whenever you want to rely on your ears alone.")
    property string textContent4: qsTr("To answer, click the key you heard on the keyboard at the bottom of "
        + "the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play "
        + "the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the "
        + "letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.")
    property var stateMapperObj: HelpControllib.makeStateMapperObj(textContent1, textContent2,
                                                                   textContent3, textContent4)

    function showScreen(index) {
        var page = HelpControllib.showScreen(index, stateMapperObj)
        pagePicture.source = page.picture
        pageHeading.text = page.heading
        pageText.text = page.text
        currentScreen = page.index
        for (var i = 0; i < dots.count; ++i)
            dots.itemAt(i).opacity = page.dotOpacities[i]
    }

    function setPointer(hovered) {
        appmessenger.changeCursor(hovered ? Qt.PointingHandCursor : Qt.ArrowCursor)
    }

    // Ticked means: do not show this window at the next start.
    function close() {
        appmessenger.showHelpOnStart = !doNotShow.checked
        helpControl.visible = false
        // The pointer was on a close control, whose exit will not be reported once hidden.
        setPointer(false)
    }

    Component.onCompleted: showScreen(0)
    // Note names chosen anew rename the notes of the page shown.
    onStateMapperObjChanged: if (pagePicture.status !== Image.Null) showScreen(currentScreen)

    // Clicks on the window's free surface must not reach the main window below.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
    }

    Image {
        id: pagePicture
        width: 900
        height: 100
        y: 65
        anchors.horizontalCenter: parent.horizontalCenter
        fillMode: Image.PreserveAspectFit
        smooth: true
    }

    Text {
        id: pageHeading
        objectName: "helpHeading"
        width: 900
        height: 44
        y: 182
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#ffffff"
        font.bold: true
        font.pixelSize: 30
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    Text {
        id: pageText
        objectName: "helpText"
        width: 759
        height: 184
        y: 246
        anchors.horizontalCenter: parent.horizontalCenter
        color: "#ffffff"
        font.pixelSize: 16
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignTop
        lineHeight: 1.15
    }

    Image {
        id: leftArrow
        objectName: "helpLeftArrow"
        width: 25
        height: 41
        x: 30
        anchors.verticalCenter: parent.verticalCenter
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Previous page")
        Accessible.description: qsTr("Shows the help's previous page")
        Accessible.onPressAction: helpControl.showScreen(helpControl.currentScreen - 1)
        Keys.onPressed: function(event) { if (HelpControllib.activates(event.key)) { helpControl.showScreen(helpControl.currentScreen - 1); event.accepted = true } }
        FocusRing { shown: leftArrow.activeFocus }
        source: "qrc:/res/arrow_left_" + (leftArrowMouse.pressed ? "pressed"
                                          : leftArrowMouse.containsMouse ? "hover" : "nomal") + ".png"
        MouseArea {
            id: leftArrowMouse
            anchors.fill: parent
            anchors.margins: -8
            hoverEnabled: true
            onEntered: helpControl.setPointer(true)
            onExited: helpControl.setPointer(false)
            onPressed: helpControl.showScreen(helpControl.currentScreen - 1)
        }
    }

    Image {
        id: rightArrow
        objectName: "helpRightArrow"
        width: 25
        height: 41
        x: parent.width - 30 - width
        anchors.verticalCenter: parent.verticalCenter
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Next page")
        Accessible.description: qsTr("Shows the help's next page")
        Accessible.onPressAction: helpControl.showScreen(helpControl.currentScreen + 1)
        Keys.onPressed: function(event) { if (HelpControllib.activates(event.key)) { helpControl.showScreen(helpControl.currentScreen + 1); event.accepted = true } }
        FocusRing { shown: rightArrow.activeFocus }
        source: "qrc:/res/arrow_right_" + (rightArrowMouse.pressed ? "pressed"
                                           : rightArrowMouse.containsMouse ? "hover" : "nomal") + ".png"
        MouseArea {
            id: rightArrowMouse
            anchors.fill: parent
            anchors.margins: -8
            hoverEnabled: true
            onEntered: helpControl.setPointer(true)
            onExited: helpControl.setPointer(false)
            onPressed: helpControl.showScreen(helpControl.currentScreen + 1)
        }
    }

    Row {
        id: dotRow
        spacing: 10
        anchors.horizontalCenter: parent.horizontalCenter
        y: parent.height - 100 - height
        Repeater {
            id: dots
            model: 4
            Rectangle {
                width: 11
                height: 11
                radius: 5.5
                color: "#ffffff"
                opacity: 0.3
                Accessible.role: Accessible.PageTab
                Accessible.name: qsTr("Page %1").arg(index + 1)
                Accessible.description: qsTr("Shows this page of the help")
                Accessible.onPressAction: helpControl.showScreen(index)
                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -4
                    hoverEnabled: true
                    onEntered: helpControl.setPointer(true)
                    onExited: helpControl.setPointer(false)
                    onClicked: helpControl.showScreen(index)
                }
            }
        }
    }

    ChromeButton {
        id: topCloseButton
        objectName: "helpCloseButton"
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.topMargin: helpControl.globalhbordermargin
        anchors.rightMargin: helpControl.globalhbordermargin
        picture: "btn_close"
        tip: qsTr("Close")
        description: qsTr("Closes the help")
        onClicked: helpControl.close()
    }

    Rectangle {
        id: separator
        width: parent.width
        height: 1
        y: parent.height - 52
        color: "#ffffff"
    }

    CheckBox {
        id: doNotShow
        objectName: "doNotShow"
        width: 18
        height: 20
        x: helpControl.globalhbordermargin
        y: parent.height - helpControl.globalhbordermargin - height
        checked: true
        padding: 0
        hoverEnabled: true
        focusPolicy: Qt.TabFocus
        Accessible.role: Accessible.CheckBox
        Accessible.name: doNotShowLabel.text
        Accessible.description: qsTr("Ticked, the help does not open when Ovelune starts")
        FocusRing { shown: doNotShow.visualFocus }
        indicator: Image {
            source: doNotShow.checked ? "qrc:/res/checkbox_on.png" : "qrc:/res/checkbox_off.png"
        }
        contentItem: Item {}
        onHoveredChanged: helpControl.setPointer(hovered)
    }

    Text {
        id: doNotShowLabel
        x: 38
        y: 537
        text: qsTr("Don't show this anymore at programm startup")
        color: "#ffffff"
        font.pixelSize: 14
        font.family: "Arial"
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onEntered: helpControl.setPointer(true)
            onExited: helpControl.setPointer(false)
            onClicked: doNotShow.checked = !doNotShow.checked
        }
    }

    NoteNamesChoice {
        objectName: "helpNoteNames"
        x: 400
        y: parent.height - 52 + (52 - height) / 2
        visible: typeof noteNaming !== "undefined"
    }

    Text {
        id: websiteLink
        objectName: "websiteLink"
        width: 139
        x: bottomCloseButton.x - 35 - width
        y: 537
        text: qsTr("Visit our website")
        color: "#ffffff"
        font.underline: true
        activeFocusOnTab: true
        Accessible.role: Accessible.Link
        Accessible.name: text
        Accessible.description: qsTr("Opens Ovelune's website in your browser")
        Accessible.onPressAction: appmessenger.showCompanyWebsite()
        Keys.onPressed: function(event) { if (HelpControllib.activates(event.key)) { appmessenger.showCompanyWebsite(); event.accepted = true } }
        FocusRing { shown: websiteLink.activeFocus }
        font.pixelSize: 14
        font.family: "Arial"
        horizontalAlignment: Text.AlignRight
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onEntered: helpControl.setPointer(true)
            onExited: helpControl.setPointer(false)
            onClicked: {
                console.debug("website link clicked")
                appmessenger.showCompanyWebsite()
            }
        }
    }

    Rectangle {
        id: bottomCloseButton
        objectName: "helpCloseTextButton"
        x: 855
        y: 530
        width: 60
        height: 30
        radius: 6
        border.width: 1
        border.color: "#ffffff"
        color: bottomCloseMouse.containsMouse ? Qt.rgba(0, 0, 0, 0.5) : "transparent"
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: bottomCloseText.text
        Accessible.description: qsTr("Closes the help")
        Accessible.onPressAction: helpControl.close()
        Keys.onPressed: function(event) { if (HelpControllib.activates(event.key)) { helpControl.close(); event.accepted = true } }
        FocusRing { shown: bottomCloseButton.activeFocus }
        Text {
            id: bottomCloseText
            anchors.centerIn: parent
            text: qsTr("Close")
            color: "#ffffff"
            font.pixelSize: 14
            font.family: "Arial"
        }
        MouseArea {
            id: bottomCloseMouse
            anchors.fill: parent
            hoverEnabled: true
            onEntered: helpControl.setPointer(true)
            onExited: helpControl.setPointer(false)
            onClicked: helpControl.close()
        }
    }
}
