import QtQuick
import Quillmark

// The value's symbol, with its error instead when it can't be drawn.
Rectangle {
    property alias value: barcode.value
    property alias type: barcode.type
    property alias barcodeValid: barcode.valid
    property alias barcodeError: barcode.errorString

    width: Math.max(barcode.implicitWidth, message.implicitWidth) + 40
    height: barcode.implicitHeight + message.implicitHeight + 40
    color: "white"

    Barcode {
        id: barcode
        x: 20
        y: 20
        type: "code128"
        value: "Qml-19"
    }
    Text {
        id: message
        anchors.top: barcode.bottom
        x: 20
        text: barcode.errorString
        color: "darkred"
    }
}
