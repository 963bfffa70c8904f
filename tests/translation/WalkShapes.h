// SPDX-License-Identifier: MIT
#pragma once
// Small components in the shapes the form walk meets in the program's windows: forms and buttons
// with a Caption, a radio group with an Items string list, a memo with Lines, a chart with
// scale-properties objects, fonts, date/time settings, cross-hairs and text labels, and a grid with
// a collection of columns. Each counts the writes of its texts, so a test sees what the walk did.

#include <QObject>
#include <QStringList>
#include <QWidget>

#include "TComponent.h"

// Counts the writes to the texts of one object.
#define WALK_TEXT(Type, Prop)       \
public:                             \
    Type Prop() const {             \
        return F##Prop;             \
    }                               \
    void Set##Prop(const Type& v) { \
        F##Prop = v;                \
        ++Writes;                   \
    }                               \
                                    \
private:                            \
    Type F##Prop;                   \
                                    \
public:

class TWalkFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString FaceName READ FaceName WRITE SetFaceName)
    WALK_TEXT(QString, FaceName)
public:
    int Writes = 0;
};

class TDTLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString DateSeparator READ DateSeparator WRITE SetDateSeparator)
    WALK_TEXT(QString, DateSeparator)
public:
    int Writes = 0;
};

class TScaleProps : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString ScaleInscript READ ScaleInscript WRITE SetScaleInscript)
    Q_PROPERTY(QString UserTickText READ UserTickText WRITE SetUserTickText)
    Q_PROPERTY(TWalkFont* Font READ Font)
    Q_PROPERTY(TDTLabel* DateFormat READ DateFormat)
    WALK_TEXT(QString, Caption)
    WALK_TEXT(QString, ScaleInscript)
    WALK_TEXT(QString, UserTickText)
public:
    explicit TScaleProps(QObject* owner = nullptr) : QObject(owner) {}
    TWalkFont* Font() { return &FFont; }
    TDTLabel* DateFormat() { return &FDateFormat; }
    int Writes = 0;

private:
    TWalkFont FFont;
    TDTLabel FDateFormat;
};

class TScalePropsHoriz : public TScaleProps {
    Q_OBJECT
public:
    using TScaleProps::TScaleProps;
};

class TScalePropsVert : public TScaleProps {
    Q_OBJECT
public:
    using TScaleProps::TScaleProps;
};

class TCrossHair : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Tag READ Tag WRITE SetTag)
    WALK_TEXT(QString, Tag)
public:
    using QObject::QObject;
    int Writes = 0;
};

class TCustomTextLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    WALK_TEXT(QString, Caption)
public:
    using QObject::QObject;
    int Writes = 0;
};

class TTextLabel : public TCustomTextLabel {
    Q_OBJECT
public:
    using TCustomTextLabel::TCustomTextLabel;
};

// A control with a caption and a hint, like a button or a label; its Name is its objectName.
class TWalkControl : public QWidget, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(QString Version READ Version)
    Q_PROPERTY(TWalkFont* Font READ Font)
    WALK_TEXT(QString, Caption)
    WALK_TEXT(QString, Hint)
public:
    TWalkControl(QWidget* owner, const char* name, const QString& caption = {});
    QString Name() const { return objectName(); }
    void SetName(const QString& name) {
        setObjectName(name);
        ++Writes;
    }
    QString Version() const { return FVersion; }
    TWalkFont* Font() { return &FFont; }
    QString FVersion;
    int Writes = 0;

private:
    TWalkFont FFont;
};

// A radio group: a caption and one item per body.
class TWalkRadioGroup : public TWalkControl {
    Q_OBJECT
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(QStringList Fixed READ Fixed)
    WALK_TEXT(QStringList, Items)
public:
    using TWalkControl::TWalkControl;
    QStringList Fixed() const { return FFixed; }
    QStringList FFixed;
};

class TWalkMemo : public TWalkControl {
    Q_OBJECT
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    WALK_TEXT(QStringList, Lines)
public:
    using TWalkControl::TWalkControl;
};

// A chart: caption, four scale-properties objects, a cross-hair and a text label. It keeps its
// settings objects as children, as a chart may, and owns an embedded axis control.
class TWalkChart : public TWalkControl {
    Q_OBJECT
    Q_PROPERTY(TScalePropsHoriz* Scale1X READ Scale1X)
    Q_PROPERTY(TScalePropsVert* Scale1Y READ Scale1Y)
    Q_PROPERTY(TScalePropsHoriz* Scale2X READ Scale2X)
    Q_PROPERTY(TScalePropsVert* Scale2Y READ Scale2Y)
    Q_PROPERTY(TCrossHair* CrossHair1 READ CrossHair1)
    Q_PROPERTY(TTextLabel* TextLabel1 READ TextLabel1)
    Q_PROPERTY(QObject* Empty READ Empty)
public:
    TWalkChart(QWidget* owner, const char* name, const QString& caption = {});
    TScalePropsHoriz* Scale1X() const { return FScale1X; }
    TScalePropsVert* Scale1Y() const { return FScale1Y; }
    TScalePropsHoriz* Scale2X() const { return FScale2X; }
    TScalePropsVert* Scale2Y() const { return FScale2Y; }
    TCrossHair* CrossHair1() const { return FCrossHair1; }
    TTextLabel* TextLabel1() const { return FTextLabel1; }
    QObject* Empty() const { return nullptr; }
    TWalkControl* Axis() const { return FAxis; }

private:
    TScalePropsHoriz* FScale1X;
    TScalePropsVert* FScale1Y;
    TScalePropsHoriz* FScale2X;
    TScalePropsVert* FScale2Y;
    TCrossHair* FCrossHair1;
    TTextLabel* FTextLabel1;
    TWalkControl* FAxis;
};

class TCollection : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE int Count() const { return int(FItems.size()); }
    Q_INVOKABLE QObject* Item(int index) const { return FItems.value(index); }
    void Add(QObject* item) {
        item->setParent(this);
        FItems.append(item);
    }

private:
    QList<QObject*> FItems;
};

class TWalkColumn : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)
    WALK_TEXT(QString, Title)
public:
    explicit TWalkColumn(const QString& title) { FTitle = title; }
    int Writes = 0;
};

class TWalkColumns : public TCollection {
    Q_OBJECT
public:
    using TCollection::TCollection;
};

class TWalkGrid : public TWalkControl {
    Q_OBJECT
    Q_PROPERTY(TWalkColumns* Columns READ Columns)
public:
    TWalkGrid(QWidget* owner, const char* name);
    TWalkColumns* Columns() const { return FColumns; }

private:
    TWalkColumns* FColumns;
};

// A non-visual component, like the timer or the host link.
class TWalkTimer : public QObject, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    WALK_TEXT(QString, Caption)
public:
    TWalkTimer(QObject* owner, const char* name, const QString& caption) : QObject(owner), TComponent(this) {
        setObjectName(QString::fromLatin1(name));
        FCaption = caption;
    }
    int Writes = 0;
};

// The main window as the program builds it, with its marked texts in their places.
struct TWalkMainWindow {
    TWalkControl* Form;
    TWalkControl* Panel;
    TWalkChart* Pict;
    TWalkControl* Exit;
    TWalkControl* Masse;
    TWalkControl* Height;
    TWalkControl* Energie;
    TWalkRadioGroup* Accel;
    TWalkTimer* Timer;
    TWalkControl* About;
    TWalkMemo* Explain;
    TWalkControl* Reset;
    TWalkChart* Energ;

    TWalkMainWindow();
    ~TWalkMainWindow() { delete Form; }
    TWalkMainWindow(const TWalkMainWindow&) = delete;
    TWalkMainWindow& operator=(const TWalkMainWindow&) = delete;
};

// The About dialog's marked texts.
struct TWalkAboutBox {
    TWalkControl* Form;
    TWalkControl* HomePage;
    TWalkControl* Ok;

    TWalkAboutBox();
    ~TWalkAboutBox() { delete Form; }
    TWalkAboutBox(const TWalkAboutBox&) = delete;
    TWalkAboutBox& operator=(const TWalkAboutBox&) = delete;
};
