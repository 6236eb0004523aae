.pragma library

// The strip picture has a 4-pixel rim at both ends that cells leave free.
var cellInset = 4;

function cellCount(level, repsPerNote) {
    return level * repsPerNote;
}

function cellWidth(stripWidth, count) {
    return count > 0 ? (stripWidth - 2 * cellInset) / count : 0;
}

// x of a marker whose centre stands on the left end of the cell row.
function markerStartX(stripX, markerWidth) {
    return stripX - markerWidth / 2 + cellInset;
}

function scoreText(done, total) {
    return done + "/" + total;
}

// Right answers as a whole percentage of all answers, halves rounded up.
function percentText(correct, answered) {
    if (answered <= 0)
        return "0%";
    return Math.floor(correct * 100 / answered + 0.5) + "%";
}

function cellColor(correct) {
    return correct ? "green" : "red";
}

// Cells of answers given before this run of the window (a resumed session).
var earlierColor = "#89a1af";

// Everything the strip shows for a fresh or resumed session at `level`.
// `earlierCorrect`/`earlierIncorrect` are the answers the session already holds.
function prepareCells(level, repsPerNote, stripX, stripWidth, markerWidth, earlierCorrect, earlierIncorrect) {
    var count = cellCount(level, repsPerNote);
    var right = Math.max(0, earlierCorrect || 0);
    var wrong = Math.max(0, earlierIncorrect || 0);
    var answered = Math.min(count, right + wrong);
    if (right + wrong > count) {
        // A store that claims more answers than the session has questions: show none.
        right = 0;
        wrong = 0;
        answered = 0;
    }
    var width = cellWidth(stripWidth, count);
    var colors = [];
    for (var i = 0; i < count; ++i)
        colors.push(i < answered ? earlierColor : "transparent");
    return {
        count: count,
        cellWidth: width,
        colors: colors,
        correct: right,
        incorrect: wrong,
        markerX: markerStartX(stripX, markerWidth) + answered * width,
        scoreText: scoreText(answered, count),
        percentText: percentText(right, answered)
    };
}
