.pragma library

// The level pictures: twelve note segments followed by the perfect-pitch emblem.
var pictureSourceWidth = 2434;
var emblemSourceWidth = 263;
var levelCount = 12;

// Width of the emblem at the shown picture width; clicks there pick nothing.
function emblemWidth(shownWidth) {
    return emblemSourceWidth * shownWidth / pictureSourceWidth;
}

// The part of the picture that reacts to the pointer.
function inHoverArea(x, shownWidth) {
    return x < shownWidth - emblemWidth(shownWidth);
}

// Level 1..12 under the pointer position x, 0 for x = 0 (nothing), -1 on the emblem or beyond.
function levelClicked(x, shownWidth) {
    if (!(shownWidth > 0))
        return -1;
    var segment = (shownWidth - emblemWidth(shownWidth)) / levelCount;
    var n = Math.ceil(x / segment);
    if (n > levelCount)
        return -1;
    if (n < 0)
        return 0;
    return n;
}
