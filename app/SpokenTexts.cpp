// SPDX-License-Identifier: MIT
#include "SpokenTexts.h"

#include "TGlossator.h"
#include "Translated.h"
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
    return Translated(FForm.cliDemon ? FDictionary : nullptr, key, arguments);
}

QString TSpokenTexts::SceneState() const {
    const TSimulation& simulation = FForm.Simulation();
    const QString height = FForm.NLblHeight->DrawnText().trimmed();
    // with a zero level the height is said to be above it
    const bool zero = FForm.ZeroLevelShown();
    switch (simulation.Place()) {
        case TSimulation::spFalling:
            return Text(zero ? "Mass at <%1%> m above the zero level, falling" : "Mass at <%1%> m, falling",
                        {height});
        case TSimulation::spHanging:
            return Text(zero ? "Mass at <%1%> m above the zero level, hanging on hook <%2%>"
                             : "Mass at <%1%> m, hanging on hook <%2%>",
                        {height, QString::number(simulation.Hook())});
        case TSimulation::spOnGround:
            return Text(zero ? "Mass at <%1%> m above the zero level, on the ground"
                             : "Mass at <%1%> m, on the ground",
                        {height});
        case TSimulation::spHeld:
            break;
    }
    return Text(
        zero ? "Mass at <%1%> m above the zero level, held by the rope" : "Mass at <%1%> m, held by the rope",
        {height});
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
