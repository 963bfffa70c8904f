// SPDX-License-Identifier: MIT
#pragma once
// A framed group of radio buttons made from a list of item texts. OnClick runs whenever the
// selection changes, by a click or by the program, except while the form is being built.

#include <QGroupBox>
#include <QStringList>
#include <vector>

#include "ShownText.h"
#include "TComponent.h"
#include "TEvents.h"

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox, public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
public:
    explicit TRadioGroup(QWidget* parent = nullptr);

    QString Caption() const { return title(); }
    void SetCaption(const QString& caption) { setTitle(ShownText::Bounded(caption)); }
    QStringList Items() const { return FItems; }
    // New items keep the selection when its index still exists.
    void SetItems(const QStringList& items);
    // -1: nothing selected; other values outside the items are ignored
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index);
    int Columns() const { return FColumns; }
    void SetColumns(int columns);

    QRadioButton* Button(int index) const;

    TNotifyEvent OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Rebuild();
    void Arrange();
    QStringList FItems;
    int FItemIndex = -1;
    int FColumns = 1;
    QButtonGroup* FGroup;
    std::vector<QRadioButton*> FButtons;
    bool FSyncing = false;
};
