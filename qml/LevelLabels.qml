import QtQuick

// The notes' names on the level picture's chevrons, in the names the learner chose; the first
// `level` stand on lit chevrons. Places follow the picture's drawing (2434 × 102, the last
// 263 the emblem), whatever size it is shown at.
Item {
    id: labels
    property int level: 1
    property var names: []
    readonly property real unit: width / 2434
    readonly property real segment: (2434 - 263) / 12

    Repeater {
        model: 12
        Text {
            // The body of chevron `index`, less its point.
            readonly property real centre: (index * labels.segment + (index === 0 ? 0 : 7) + (index + 1) * labels.segment) / 2
                                           - (index === 0 ? 26 / 4 : 0)
            x: (centre - 70) * labels.unit
            y: 13 * labels.unit
            width: 140 * labels.unit
            height: 52 * labels.unit
            text: labels.names[index] !== undefined ? labels.names[index] : ""
            color: index < labels.level ? "#ffffff" : "#7d95a3"
            font.family: "Nimbus Sans"
            font.bold: true
            font.pixelSize: Math.max(1, Math.round(38 * labels.unit))
            // Long names (Соль♯, 嬰ハ) shrink to their chevron rather than spill over.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 6
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            Accessible.ignored: true // the picture says the level and its notes
        }
    }
}
