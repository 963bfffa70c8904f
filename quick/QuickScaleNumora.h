// SPDX-License-Identifier: MIT
#pragma once
// Scale and Numora, the axis scale TScale and the framed numeric label TNumora as Qt Quick
// items: their important published properties declared, every one reached by set and get.

#include <QColor>

#include "QuickComponent.h"

class QuickScale : public QuickComponent {
    Q_OBJECT
    QML_NAMED_ELEMENT(Scale)
    Q_PROPERTY(double rangeLow READ rangeLow WRITE setRangeLow NOTIFY changed)
    Q_PROPERTY(double rangeHigh READ rangeHigh WRITE setRangeHigh NOTIFY changed)
    Q_PROPERTY(bool logarithmic READ logarithmic WRITE setLogarithmic NOTIFY changed)
    Q_PROPERTY(int minTicks READ minTicks WRITE setMinTicks NOTIFY changed)
    Q_PROPERTY(bool shortTicks READ shortTicks WRITE setShortTicks NOTIFY changed)
    Q_PROPERTY(QVariant scaleType READ scaleType WRITE setScaleType NOTIFY changed)
    Q_PROPERTY(QVariant labelType READ labelType WRITE setLabelType NOTIFY changed)
    Q_PROPERTY(int marginLeft READ marginLeft WRITE setMarginLeft NOTIFY changed)
    Q_PROPERTY(int marginRight READ marginRight WRITE setMarginRight NOTIFY changed)
    Q_PROPERTY(int marginTop READ marginTop WRITE setMarginTop NOTIFY changed)
    Q_PROPERTY(int marginBottom READ marginBottom WRITE setMarginBottom NOTIFY changed)
    Q_PROPERTY(int decPlaces READ decPlaces WRITE setDecPlaces NOTIFY changed)
    Q_PROPERTY(bool comma READ comma WRITE setComma NOTIFY changed)
    Q_PROPERTY(QString caption READ caption WRITE setCaption NOTIFY changed)
    Q_PROPERTY(QString scaleInscript READ scaleInscript WRITE setScaleInscript NOTIFY changed)
    Q_PROPERTY(QColor colorScale READ colorScale WRITE setColorScale NOTIFY changed)
    Q_PROPERTY(QColor colorBackGnd READ colorBackGnd WRITE setColorBackGnd NOTIFY changed)
    Q_PROPERTY(QVariant colorScheme READ colorScheme WRITE setColorScheme NOTIFY changed)
    Q_PROPERTY(QVariant frameStyle READ frameStyle WRITE setFrameStyle NOTIFY changed)
    Q_PROPERTY(bool showBaseLine READ showBaseLine WRITE setShowBaseLine NOTIFY changed)

    GRAVILO_QUICK_FORWARD(double, rangeLow, setRangeLow, "RangeLow")
    GRAVILO_QUICK_FORWARD(double, rangeHigh, setRangeHigh, "RangeHigh")
    GRAVILO_QUICK_FORWARD(bool, logarithmic, setLogarithmic, "Logarithmic")
    GRAVILO_QUICK_FORWARD(int, minTicks, setMinTicks, "MinTicks")
    GRAVILO_QUICK_FORWARD(bool, shortTicks, setShortTicks, "ShortTicks")
    GRAVILO_QUICK_FORWARD(QVariant, scaleType, setScaleType, "ScaleType")
    GRAVILO_QUICK_FORWARD(QVariant, labelType, setLabelType, "LabelType")
    GRAVILO_QUICK_FORWARD(int, marginLeft, setMarginLeft, "MarginLeft")
    GRAVILO_QUICK_FORWARD(int, marginRight, setMarginRight, "MarginRight")
    GRAVILO_QUICK_FORWARD(int, marginTop, setMarginTop, "MarginTop")
    GRAVILO_QUICK_FORWARD(int, marginBottom, setMarginBottom, "MarginBottom")
    GRAVILO_QUICK_FORWARD(int, decPlaces, setDecPlaces, "DecPlaces")
    GRAVILO_QUICK_FORWARD(bool, comma, setComma, "Comma")
    GRAVILO_QUICK_FORWARD(QString, caption, setCaption, "Caption")
    GRAVILO_QUICK_FORWARD(QString, scaleInscript, setScaleInscript, "ScaleInscript")
    GRAVILO_QUICK_FORWARD(QColor, colorScale, setColorScale, "ColorScale")
    GRAVILO_QUICK_FORWARD(QColor, colorBackGnd, setColorBackGnd, "ColorBackGnd")
    GRAVILO_QUICK_FORWARD(QVariant, colorScheme, setColorScheme, "ColorScheme")
    GRAVILO_QUICK_FORWARD(QVariant, frameStyle, setFrameStyle, "FrameStyle")
    GRAVILO_QUICK_FORWARD(bool, showBaseLine, setShowBaseLine, "ShowBaseLine")

public:
    explicit QuickScale(QQuickItem* parent = nullptr);
};

class QuickNumora : public QuickComponent {
    Q_OBJECT
    QML_NAMED_ELEMENT(Numora)
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY changed)
    Q_PROPERTY(QVariant displayType READ displayType WRITE setDisplayType NOTIFY changed)
    Q_PROPERTY(int precision READ precision WRITE setPrecision NOTIFY changed)
    Q_PROPERTY(bool comma READ comma WRITE setComma NOTIFY changed)
    Q_PROPERTY(bool forcePlusSign READ forcePlusSign WRITE setForcePlusSign NOTIFY changed)
    Q_PROPERTY(bool empty READ empty WRITE setEmpty NOTIFY changed)
    Q_PROPERTY(QString overflowIndicator READ overflowIndicator WRITE setOverflowIndicator NOTIFY changed)
    Q_PROPERTY(QString stateText READ stateText WRITE setStateText NOTIFY changed)
    Q_PROPERTY(QString leftText READ leftText WRITE setLeftText NOTIFY changed)
    Q_PROPERTY(QString rightText READ rightText WRITE setRightText NOTIFY changed)
    Q_PROPERTY(int leftSpace READ leftSpace WRITE setLeftSpace NOTIFY changed)
    Q_PROPERTY(int labelWidth READ labelWidth WRITE setLabelWidth NOTIFY changed)
    Q_PROPERTY(QVariant alignment READ alignment WRITE setAlignment NOTIFY changed)
    Q_PROPERTY(QVariant frameStyle READ frameStyle WRITE setFrameStyle NOTIFY changed)
    Q_PROPERTY(QVariant colorScheme READ colorScheme WRITE setColorScheme NOTIFY changed)
    Q_PROPERTY(QColor colorLabBakG READ colorLabBakG WRITE setColorLabBakG NOTIFY changed)
    Q_PROPERTY(QColor colorLabText READ colorLabText WRITE setColorLabText NOTIFY changed)
    Q_PROPERTY(QColor colorOutBakG READ colorOutBakG WRITE setColorOutBakG NOTIFY changed)
    Q_PROPERTY(QColor colorOutText READ colorOutText WRITE setColorOutText NOTIFY changed)

    GRAVILO_QUICK_FORWARD(double, value, setValue, "Value")
    GRAVILO_QUICK_FORWARD(QVariant, displayType, setDisplayType, "DisplayType")
    GRAVILO_QUICK_FORWARD(int, precision, setPrecision, "Precision")
    GRAVILO_QUICK_FORWARD(bool, comma, setComma, "Comma")
    GRAVILO_QUICK_FORWARD(bool, forcePlusSign, setForcePlusSign, "ForcePlusSign")
    GRAVILO_QUICK_FORWARD(bool, empty, setEmpty, "Empty")
    GRAVILO_QUICK_FORWARD(QString, overflowIndicator, setOverflowIndicator, "OverflowIndicator")
    GRAVILO_QUICK_FORWARD(QString, stateText, setStateText, "StateText")
    GRAVILO_QUICK_FORWARD(QString, leftText, setLeftText, "LeftText")
    GRAVILO_QUICK_FORWARD(QString, rightText, setRightText, "RightText")
    GRAVILO_QUICK_FORWARD(int, leftSpace, setLeftSpace, "LeftSpace")
    GRAVILO_QUICK_FORWARD(int, labelWidth, setLabelWidth, "LabelWidth")
    GRAVILO_QUICK_FORWARD(QVariant, alignment, setAlignment, "Alignment")
    GRAVILO_QUICK_FORWARD(QVariant, frameStyle, setFrameStyle, "FrameStyle")
    GRAVILO_QUICK_FORWARD(QVariant, colorScheme, setColorScheme, "ColorScheme")
    GRAVILO_QUICK_FORWARD(QColor, colorLabBakG, setColorLabBakG, "ColorLabBakG")
    GRAVILO_QUICK_FORWARD(QColor, colorLabText, setColorLabText, "ColorLabText")
    GRAVILO_QUICK_FORWARD(QColor, colorOutBakG, setColorOutBakG, "ColorOutBakG")
    GRAVILO_QUICK_FORWARD(QColor, colorOutText, setColorOutText, "ColorOutText")

public:
    explicit QuickNumora(QQuickItem* parent = nullptr);
};
