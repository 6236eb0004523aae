.pragma library

// Colour hint per level-order index: C, D, E, F, G, A, B, C#, D#, F#, G#, A#.
var hintColors = ["#0010FF", "#FFCC00", "#FF0000", "#009A00", "#7305E3", "#E17800",
                  "#FF8695", "#00A2FF", "#FFE26F", "#59E559", "#CF6BF0", "#FFAC62"];
var neutralColor = "#89a1af";

// The window's background: the hint colour of the note when the hint is on, else neutral.
// An index outside the table (no note yet, or a bad value) gets the neutral colour.
function colorMapper(hintOn, note) {
    if (!hintOn)
        return neutralColor;
    var index = Number(note);
    if (!isFinite(index) || index < 0 || index >= hintColors.length || Math.floor(index) !== index)
        return neutralColor;
    return hintColors[index];
}
