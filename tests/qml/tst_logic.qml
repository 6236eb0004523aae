import QtQuick 2.3
import QtTest 1.0
import "../../qml/levellib.js" as Levels
import "../../qml/timelinestriplib.js" as Strip
import "../../qml/colorswitchlib.js" as Colors
import "../../qml/helpControllib.js" as Help

// The window's logic: level picker, progress strip, colour hint and help pages.
TestCase {
    name: "InterfaceLogic"

    // The level picture shown 1200 wide: an emblem of 129.66 at the right, segments of 89.19.
    function test_level_picker_data() {
        return [{tag: "x 1", x: 1, level: 1}, {tag: "x 89", x: 89, level: 1}, {tag: "x 90", x: 90, level: 2},
                {tag: "x 1070", x: 1070, level: 12}, {tag: "emblem", x: 1071, level: -1},
                {tag: "x 0", x: 0, level: 0}]
    }

    function test_level_picker(row) {
        compare(Levels.levelClicked(row.x, 1200), row.level)
        compare(Levels.inHoverArea(row.x, 1200), row.level !== -1)
    }

    function test_progress_strip() {
        var layout = Strip.prepareCells(5, 7, 30, 1008, 48, 0, 0)
        compare(layout.count, 35)
        compare(layout.cellWidth, 1000 / 35)
        compare(layout.markerX, 30 - 48 / 2 + 4)
        compare(layout.scoreText, "0/35")
        compare(layout.percentText, "0%")
        compare([[2, 3], [1, 8], [0, 0]].map(function(p) { return Strip.percentText(p[0], p[1]) }), ["67%", "13%", "0%"])
    }

    function test_colour_hint() {
        compare([0, 7, 8, 12].map(function(note) { return Colors.colorMapper(true, note) }),
                ["#0010FF", "#00A2FF", "#FFE26F", "#89a1af"])
        compare(Colors.colorMapper(false, 7), "#89a1af")
    }

    function test_help_pages() {
        var pages = Help.makeStateMapperObj("one", "two \"quoted\",\nwrapped", "three", "four")
        compare(Help.showScreen(1, pages).text, "two \"quoted\",\nwrapped")
        compare(Help.showScreen(2, pages).heading, "Color hint")
        compare(Help.showScreen(2, pages).dotOpacities, [0.3, 0.3, 1, 0.3])
        compare(Help.showScreen(4, pages).text, "one")
        compare(Help.showScreen(-1, pages).text, "four")
    }
}
