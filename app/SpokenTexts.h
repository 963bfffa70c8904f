// SPDX-License-Identifier: MIT
#pragma once
// What screen readers hear of the two charts, in the window's language: the scene tells where the
// mass is and whether it hangs, falls, is held or rests ("Mass at 305.0 m, hanging on hook 2"),
// the energy chart the state it marks ("305.0 m, 44.9 kJ, 6 marks"). The numbers are the labels'
// own texts, with their decimal separator. Each change of state is announced.

#include <QObject>
#include <QString>

class TForm1;
class TGlossator;

class TSpokenTexts : public QObject {
    Q_OBJECT
public:
    explicit TSpokenTexts(TForm1& form);

    // The scene's name from the dictionary (none: the key's own text), at the start and after a
    // change of language; the states are looked up whenever they are asked for.
    void Translate(TGlossator* dictionary);

    QString SceneState() const;
    QString EnergyChartState() const;

private:
    QString Text(const char* key, const QStringList& arguments = {}) const;

    TForm1& FForm;
    TGlossator* FDictionary = nullptr;
};
