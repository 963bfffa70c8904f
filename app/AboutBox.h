// SPDX-License-Identifier: MIT
#pragma once
// TFrmAbout: the About dialog. The program's name and version, a notice line, a paragraph about
// the program in German or English, and two links: the home page (its address comes from the
// language file) and the collection of simulations Gravilo belongs to. The main window fills it
// once at start, translates it and shows it modally; its About button shows it again.

#include <QString>

#include "LinkOpener.h"
#include "TButtons.h"
#include "TForm.h"
#include "TLabel.h"
#include "TPanel.h"

class TGlossator;

class TFrmAbout : public TForm {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    // The components, in their declared order.
    TPanel* Panel1 = nullptr;
    TLabel* LblName = nullptr;
    TLabel* LblVersion = nullptr;
    TLabel* LblCopyright = nullptr;
    TPanel* Panel2 = nullptr;
    TLabel* LblWebSite = nullptr;
    TLabel* LblHomePage = nullptr;
    TBitBtn* BButOK = nullptr;
    TLabel* LblDescription = nullptr;
    TLabel* LblSimus = nullptr;
    TLabel* LblAuthor = nullptr;

    // The address the home-page link opens; empty until the main window sets it.
    QString HomePageAddress() const { return FHomePageAddress; }
    void SetHomePageAddress(const QString& address);

    // The collection of simulations that LblSimus shows and opens.
    static const QString SimulationsAddress;
    // The notice line of LblCopyright.
    static const QString Notice;

    // True when the language file's "$dlglanguage$" value names German: "lggerman" in any letter
    // case of its ASCII letters.
    static bool IsGermanLanguage(const QString& dlgLanguage);
    // The texts of LblWebSite and LblDescription, in German or in English.
    static QString WebSiteText(bool german);
    static QString DescriptionText(bool german);
    // Sets LblWebSite and LblDescription in German or in English.
    void FillTexts(bool german);
    // Sets them from the dictionary ("AboutWebSites", "AboutDescription"), and where it has no
    // such text, in German when its "$dlglanguage$" names German, else in English.
    void FillTexts(TGlossator& dictionary);

    // How the links are opened; tests replace the desktop's handler here.
    TLinkOpener& LinkOpener() { return FLinkOpener; }

private:
    void BuildComponents();
    void WireHandlers();
    void FormShow(QObject* Sender);
    void LblHomePageClick(QObject* Sender);
    void LblSimusClick(QObject* Sender);
    void LblHomePageMouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
    void LblSimusMouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
    void Panel2MouseMove(QObject* Sender, TShiftState Shift, int X, int Y);
    void BButOKClick(QObject* Sender);

    QString FHomePageAddress;
    TLinkOpener FLinkOpener;
};
