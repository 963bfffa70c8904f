// SPDX-License-Identifier: MIT
// A chart of Gravilo.Charts in a QML window: a sine line and its marks drawn from JavaScript,
// pan (or zoom, by dragging) with the left mouse button, the pointer's place below the chart.
import QtQuick
import Gravilo.Charts

Window {
    id: window
    width: 480
    height: 360
    visible: true
    color: "white"
    title: "Gravilo.Charts"

    Plotica {
        id: plot
        objectName: "plot"
        x: 0
        y: 0
        width: 480
        height: 320
        caption: "y = sin x"
        gridStyle: "gsDotLines"
        gridColor: "silver"
        mouseAction: "maPan"
        mouseCursorFixed: false

        // the display list, filled once; it shows at the next frame
        function fill() {
            clear()
            dataColor = "darkblue"
            lineWidth = 2
            const points = []
            for (let i = 0; i <= 200; ++i)
                points.push([i / 20, Math.sin(i / 20)])
            polyline(points)
            dataColor = "red"
            lineWidth = 1
            for (let k = 0; k <= 10; ++k)
                addMark(k, Math.sin(k), 17)
            dataColor = "black"
            text(1.57, 1.2, "maximum", 9)
        }

        Component.onCompleted: {
            setLayerRanges(1, 0, 10, -1.5, 1.5)
            set("Scale1Y.DecPlaces", 1)  // a setting of a part, by its path
            fill()
        }
        onMouseMoveInChart: (inChart, x, y) => {
            where.text = inChart ? "x = " + x.toFixed(2) + ", y = " + y.toFixed(2) : ""
        }
    }

    Row {
        x: 8
        y: 326
        spacing: 8
        Repeater {
            model: [["Pan", "maPan"], ["Zoom", "maZoomDrag"]]
            Rectangle {
                width: 64
                height: 28
                border.color: "gray"
                color: plot.mouseAction === modelData[1] ? "lightsteelblue" : "whitesmoke"
                Text {
                    anchors.centerIn: parent
                    text: modelData[0]
                }
                TapHandler {
                    onTapped: plot.mouseAction = modelData[1]
                }
            }
        }
        Rectangle {
            width: 64
            height: 28
            border.color: "gray"
            color: "whitesmoke"
            Text {
                anchors.centerIn: parent
                text: "Reset"
            }
            TapHandler {
                onTapped: plot.setLayerRanges(1, 0, 10, -1.5, 1.5)
            }
        }
        Text {
            id: where
            height: 28
            verticalAlignment: Text.AlignVCenter
        }
    }
}
