import QtQuick 2.3
import QtTest 1.0
import "../../qml/colorswitchlib.js" as Colors

TestCase {
    name: "ColourHint"

    function test_hint_on_uses_the_note_colour() {
        compare(Colors.colorMapper(true, 7), "#00A2FF")
        compare(Colors.colorMapper(true, 0), "#0010FF")
        compare(Colors.colorMapper(true, 11), "#FFAC62")
    }

    function test_the_whole_table() {
        var expected = ["#0010FF", "#FFCC00", "#FF0000", "#009A00", "#7305E3", "#E17800",
                        "#FF8695", "#00A2FF", "#FFE26F", "#59E559", "#CF6BF0", "#FFAC62"]
        for (var i = 0; i < 12; ++i)
            compare(Colors.colorMapper(true, i), expected[i], "index " + i)
    }

    function test_hint_off_is_neutral_for_every_note() {
        for (var i = 0; i < 12; ++i)
            compare(Colors.colorMapper(false, i), "#89a1af")
    }

    function test_an_index_outside_the_table_is_neutral() {
        compare(Colors.colorMapper(true, 12), "#89a1af")
        compare(Colors.colorMapper(true, -1), "#89a1af")
        compare(Colors.colorMapper(true, 2.5), "#89a1af")
        compare(Colors.colorMapper(true, undefined), "#89a1af")
    }
}
