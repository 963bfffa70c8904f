// SPDX-License-Identifier: MIT
#include "SpokenTexts.h"

#include "TGlossator.h"
#include "ugravilo.h"

TSpokenTexts::TSpokenTexts(TForm1& form) : QObject(&form), FForm(form) {
    form.PLPict->OnSpokenState = [this](QObject*, QString& text) { text = SceneState(); };
    form.PLEnerg->OnSpokenState = [this](QObject*, QString& text) { text = EnergyChartState(); };
    // a release starts a fall without drawing anything: the scene's state changes all the same
    connect(&form, &TForm1::StateChanged, this, [this] {
        FForm.PLPict->AnnounceChange();
        FForm.PLEnerg->AnnounceChange();
    });
}

void TSpokenTexts::Translate(TGlossator* dictionary) {
    FDictionary = dictionary;
    FForm.PLPict->setAccessibleName(Text("Scene"));
    // the mass bar is named by the label above it
    FForm.SBarMasse->setAccessibleName(FForm.NLblMasse->LeftText());
}

QString TSpokenTexts::Text(const char* key, const QStringList& arguments) const {
    // the link and its dictionary go on the host's quit message
    TGlossator* dictionary = FForm.cliDemon ? FDictionary : nullptr;
    if (dictionary) return dictionary->TranslateText(QString::fromUtf8(key), arguments);
    QString text = QString::fromUtf8(key);
    for (int i = 0; i < arguments.size(); ++i)
        text.replace(QStringLiteral("<%") + QString::number(i + 1) + QStringLiteral("%>"), arguments[i]);
    return text;
}

int TSpokenTexts::Hook() const {
    if (FForm.Falling()) return 0;
    const double edge = FForm.PLPict->Scale1X()->RangeHigh();
    for (int hook = 1; hook <= 5; ++hook)
        if (FForm.HandX() == edge - 5 && FForm.HandY() == 100.0 * hook - 5) return hook;
    return 0;
}

QString TSpokenTexts::SceneState() const {
    const QString height = FForm.NLblHeight->DrawnText().trimmed();
    if (FForm.Falling()) return Text("Mass at <%1%> m, falling", {height});
    if (const int hook = Hook())
        return Text("Mass at <%1%> m, hanging on hook <%2%>", {height, QString::number(hook)});
    if (FForm.MassHeight() == 0 && FForm.HandX() == 20 && FForm.HandY() == 520)
        return Text("Mass at <%1%> m, on the ground", {height});
    return Text("Mass at <%1%> m, held by the rope", {height});
}

QString TSpokenTexts::EnergyChartState() const {
    const char* key = "<%1%> m, <%2%> kJ, <%3%> marks";
    const int marks = FForm.PLEnerg->ItemCount();
    const QStringList arguments{FForm.NLblHeight->DrawnText().trimmed(),
                                FForm.NLblEnergie->DrawnText().trimmed(), QString::number(marks)};
    // "1 mark", "2 marks": the number of marks chooses the language's plural form
    TGlossator* dictionary = FForm.cliDemon ? FDictionary : nullptr;
    return dictionary ? dictionary->TranslateCount(QString::fromUtf8(key), marks, arguments)
                      : Text(key, arguments);
}
