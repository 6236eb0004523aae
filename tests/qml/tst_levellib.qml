import QtQuick 2.3
import QtTest 1.0
import "../../qml/levellib.js" as Levellib

TestCase {
    name: "LevelPicker"

    function test_emblem_width_scales_with_the_picture() {
        fuzzyCompare(Levellib.emblemWidth(1200), 129.66, 0.01)
        compare(Levellib.emblemWidth(2434), 263)
    }

    function test_clicks_at_1200_wide() {
        compare(Levellib.levelClicked(1, 1200), 1)
        compare(Levellib.levelClicked(89, 1200), 1)
        compare(Levellib.levelClicked(90, 1200), 2)
        compare(Levellib.levelClicked(1070, 1200), 12)
        compare(Levellib.levelClicked(1071, 1200), -1)
        compare(Levellib.levelClicked(1199, 1200), -1)
        compare(Levellib.levelClicked(0, 1200), 0)
    }

    function test_every_segment_picks_its_own_level() {
        var width = 1860
        var segment = (width - Levellib.emblemWidth(width)) / 12
        for (var n = 1; n <= 12; ++n) {
            compare(Levellib.levelClicked((n - 0.5) * segment, width), n, "middle of segment " + n)
            compare(Levellib.levelClicked((n - 1) * segment + 0.01, width), n, "left end of segment " + n)
        }
    }

    function test_hover_area_ends_where_the_emblem_begins() {
        verify(Levellib.inHoverArea(1070, 1200))
        verify(!Levellib.inHoverArea(1071, 1200))
        verify(Levellib.inHoverArea(0, 1200))
    }

    function test_nothing_is_picked_on_an_unsized_picture() {
        compare(Levellib.levelClicked(10, 0), -1)
        compare(Levellib.levelClicked(-5, 1200), 0)
    }
}
