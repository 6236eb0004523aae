.pragma library

var pageCount = 4;
var pictures = ["qrc:/res/wizard_pic_about.png", "qrc:/res/wizard_pic_pitch.png",
                "qrc:/res/wizard_pic_colorhint.png", "qrc:/res/wizard_pic_midi.png"];
var headings = [QT_TR_NOOP("Ovelune"), QT_TR_NOOP("Your way to perfect pitch"), QT_TR_NOOP("Color hint"),
                QT_TR_NOOP("Midi and graphical keyboard")];

// The page table: {"screens": [{"picture", "heading", "text"} x 4]}.
// Each paragraph is quoted with JSON.stringify, so quotes or line breaks in a text
// cannot break the table.
function makeStateMapperObj(text1, text2, text3, text4) {
    var texts = [text1, text2, text3, text4];
    var entries = [];
    for (var i = 0; i < pageCount; ++i) {
        entries.push("{\"picture\":" + JSON.stringify(pictures[i])
                     + ",\"heading\":" + JSON.stringify(qsTr(headings[i]))
                     + ",\"text\":" + JSON.stringify(String(texts[i] === undefined ? "" : texts[i])) + "}");
    }
    return JSON.parse("{\"screens\":[" + entries.join(",") + "]}");
}

// Keys that press a button reached with Tab.
function activates(key) {
    return key === Qt.Key_Space || key === Qt.Key_Return || key === Qt.Key_Enter;
}

// Page indices wrap: past the last page comes the first, before the first the last.
function wrapIndex(index) {
    if (index > pageCount - 1)
        return 0;
    if (index < 0)
        return pageCount - 1;
    return index;
}

// What the help window shows for page `index` of `mapper`: the page's fields,
// the index actually shown and the opacity of each page dot.
function showScreen(index, mapper) {
    var shown = wrapIndex(index);
    var page = mapper.screens[shown];
    var dots = [];
    for (var i = 0; i < pageCount; ++i)
        dots.push(i === shown ? 1 : 0.3);
    return { index: shown, picture: page.picture, heading: page.heading, text: page.text, dotOpacities: dots };
}
