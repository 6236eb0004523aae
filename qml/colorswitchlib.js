.pragma library

// Colour hint per level-order index: C, D, E, F, G, A, B, C#, D#, F#, G#, A#.
var hintColors = ["#0010FF", "#FFCC00", "#FF0000", "#009A00", "#7305E3", "#E17800",
                  "#FF8695", "#00A2FF", "#FFE26F", "#59E559", "#CF6BF0", "#FFAC62"];
var neutralColor = "#89a1af";

function colorFor(hintOn, note) {
    if (!hintOn || note < 0 || note >= hintColors.length)
        return neutralColor;
    return hintColors[note];
}
