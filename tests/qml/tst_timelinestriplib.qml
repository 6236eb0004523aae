import QtQuick 2.3
import QtTest 1.0
import "../../qml/timelinestriplib.js" as Strip

TestCase {
    name: "ProgressStrip"

    function test_level_5_has_35_empty_cells() {
        var layout = Strip.prepareCells(5, 7, 0, 1008, 48, 0, 0)
        compare(layout.count, 35)
        compare(layout.colors.length, 35)
        compare(layout.cellWidth, 1000 / 35)
        for (var i = 0; i < layout.colors.length; ++i)
            compare(layout.colors[i], "transparent")
        compare(layout.scoreText, "0/35")
        compare(layout.percentText, "0%")
        // Marker centres stand on the left end of the cell row.
        compare(layout.markerX + 48 / 2, 0 + 4)
    }

    function test_markers_follow_the_strip_position() {
        var layout = Strip.prepareCells(1, 7, 30, 1200, 48, 0, 0)
        compare(layout.markerX, 30 - 24 + 4)
        compare(Strip.markerStartX(30, 48), 10)
    }

    function test_three_answers_two_right() {
        compare(Strip.scoreText(3, 7), "3/7")
        compare(Strip.percentText(2, 3), "67%")
        compare(Strip.percentText(1, 3), "33%")
        compare(Strip.cellColor(true), "green")
        compare(Strip.cellColor(false), "red")
    }

    function test_percentages_round_halves_up() {
        compare(Strip.percentText(1, 2), "50%")
        compare(Strip.percentText(1, 8), "13%")   // 12.5
        compare(Strip.percentText(3, 8), "38%")   // 37.5
        compare(Strip.percentText(0, 5), "0%")
        compare(Strip.percentText(7, 7), "100%")
        compare(Strip.percentText(0, 0), "0%")
    }

    function test_a_resumed_session_shows_its_earlier_answers_as_neutral_cells() {
        var layout = Strip.prepareCells(2, 7, 0, 1408, 48, 2, 1)
        compare(layout.count, 14)
        compare(layout.colors.slice(0, 3), [Strip.earlierColor, Strip.earlierColor, Strip.earlierColor])
        compare(layout.colors[3], "transparent")
        compare(layout.correct, 2)
        compare(layout.incorrect, 1)
        compare(layout.scoreText, "3/14")
        compare(layout.percentText, "67%")
        compare(layout.markerX, -24 + 4 + 3 * 100)
    }

    function test_impossible_earlier_counts_show_an_empty_strip() {
        var layout = Strip.prepareCells(1, 7, 0, 708, 48, 6, 5)
        compare(layout.correct + layout.incorrect, 0)
        compare(layout.scoreText, "0/7")
        layout = Strip.prepareCells(1, 7, 0, 708, 48, -3, undefined)
        compare(layout.correct + layout.incorrect, 0)
        compare(layout.percentText, "0%")
    }

    function test_a_strip_without_width_has_no_cell_width() {
        compare(Strip.cellWidth(100, 0), 0)
    }
}
