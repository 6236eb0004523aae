import QtQuick 2.3
import QtTest 1.0
import "../../qml/helpControllib.js" as Help

TestCase {
    name: "HelpPaging"

    property var mapper: Help.makeStateMapperObj("first", "second", "third", "fourth")

    function test_the_page_table() {
        compare(mapper.screens.length, 4)
        compare(mapper.screens[0].picture, "qrc:/res/wizard_pic_about.png")
        compare(mapper.screens[0].heading, "Ovelune")
        compare(mapper.screens[1].picture, "qrc:/res/wizard_pic_pitch.png")
        compare(mapper.screens[2].heading, "Color hint")
        compare(mapper.screens[3].heading, "Midi and graphical keyboard")
        compare(mapper.screens[3].picture, "qrc:/res/wizard_pic_midi.png")
        compare(mapper.screens[2].text, "third")
    }

    function test_texts_with_quotes_and_line_breaks_survive() {
        var tricky = "He said \"hear it\",\nthen \\ left"
        var m = Help.makeStateMapperObj(tricky, "", "", "")
        compare(m.screens[0].text, tricky)
    }

    function test_paging_wraps_both_ways() {
        compare(Help.showScreen(4, mapper).index, 0)
        compare(Help.showScreen(4, mapper).text, "first")
        compare(Help.showScreen(-1, mapper).index, 3)
        compare(Help.showScreen(-1, mapper).text, "fourth")
        compare(Help.showScreen(2, mapper).heading, "Color hint")
    }

    function test_the_shown_page_has_the_bright_dot() {
        var page = Help.showScreen(2, mapper)
        compare(page.dotOpacities, [0.3, 0.3, 1, 0.3])
        page = Help.showScreen(-1, mapper)
        compare(page.dotOpacities, [0.3, 0.3, 0.3, 1])
    }
}
