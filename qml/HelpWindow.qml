import QtQuick 2.3
import QtQuick.Controls 1.2
import QtQuick.Controls.Styles 1.2
import QMLMessenger 1.0

Rectangle {
    id: helpControl
    width: 930
    height: 570
    color: "#424c53"
    radius: 8
    property int currentScreen: 0
}
