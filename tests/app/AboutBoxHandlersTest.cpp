// SPDX-License-Identifier: MIT
// The About dialog at work: shown, modal, closed by OK or its close box, link colours under the
// mouse, links opened by a click, and the choice of German or English texts. Mouse input goes
// through the dialog's window, as a person's does.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTest>
#include <QTimer>

#include "AboutBox.h"
#include "TGlossator.h"

namespace {

// a point inside a component, in the dialog's coordinates
QPoint Inside(const TFrmAbout& about, const QWidget* w, QPoint offset = {4, 4}) {
    return w->mapTo(&about, offset);
}

void MoveTo(TFrmAbout& about, QPoint p) {
    QTest::mouseMove(about.windowHandle(), p);
}

void ClickAt(TFrmAbout& about, QPoint p) {
    QTest::mouseClick(about.windowHandle(), Qt::LeftButton, Qt::NoModifier, p);
}

// Runs ShowModal while `during` works the dialog; a stuck dialog is ended after a while instead
// of hanging the test.
int ShowModalWhile(TFrmAbout& about, std::function<void()> during) {
    QTimer::singleShot(0, &about, std::move(during));
    QTimer::singleShot(5000, &about, [&about] { about.SetModalResult(-1); });
    return about.ShowModal();
}

class AboutBoxShown : public testing::Test {
protected:
    void SetUp() override {
        FAbout.SetHomePageAddress(QStringLiteral("https://gravilo.example.org/en/"));
        FAbout.LinkOpener().SetOpener([this](const QUrl& url) {
            FOpened << url;
            return true;
        });
        FAbout.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&FAbout));
    }

    TFrmAbout FAbout;
    QList<QUrl> FOpened;
};

QString LanguageOf(const QByteArray& itl) {
    QBuffer buffer;
    buffer.setData(itl);
    buffer.open(QIODevice::ReadOnly);
    TGlossator dictionary;
    dictionary.LoadFromStream(buffer);
    return dictionary.TranslateText(QStringLiteral("$dlglanguage$"));
}

QByteArray ShippedFile(const char* name) {
    QFile file(QStringLiteral(GRAVILO_LANG_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(AboutBoxShow, HomePageLinkAppearsOnEveryShowing) {
    TFrmAbout about;
    int shown = 0;
    const int result = ShowModalWhile(about, [&] {
        ++shown;
        EXPECT_TRUE(about.isVisible());
        EXPECT_TRUE(about.LblHomePage->isVisible());
        EXPECT_EQ(QGuiApplication::modalWindow(), about.windowHandle());
        about.LblHomePage->hide();  // whatever happened to it meanwhile
        about.BButOK->click();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
    EXPECT_EQ(ShowModalWhile(about,
                             [&] {
                                 ++shown;
                                 EXPECT_TRUE(about.LblHomePage->isVisible());
                                 about.BButOK->click();
                             }),
              mrOk);
    EXPECT_EQ(shown, 2);
}

TEST(AboutBoxShow, OtherWindowsTakeNoClicksWhileItIsUp) {
    TForm other;
    other.SetClientSize(200, 100);
    auto* button = new TButton(&other);
    button->setGeometry(10, 10, 100, 30);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    const auto clickButton = [&] {
        QTest::mouseClick(other.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    };
    TFrmAbout about;
    ShowModalWhile(about, [&] {
        clickButton();
        about.BButOK->click();
    });
    EXPECT_EQ(clicks, 0);
    clickButton();
    EXPECT_EQ(clicks, 1);
}

TEST(AboutBoxShow, OkButtonAndCloseBoxBothEndTheModalShowing) {
    TFrmAbout about;
    EXPECT_EQ(ShowModalWhile(about,
                             [&] {
                                 QTest::mouseClick(about.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                                   Inside(about, about.BButOK, {56, 16}));
                             }),
              mrOk);
    EXPECT_EQ(ShowModalWhile(about, [&] { about.close(); }), mrCancel);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutBoxShown, LinkTurnsRedUnderTheMouseAndBlueOverThePanel) {
    MoveTo(FAbout, Inside(FAbout, FAbout.LblHomePage));
    EXPECT_EQ(FAbout.LblHomePage->Font()->Color(), clRed);
    EXPECT_EQ(FAbout.LblSimus->Font()->Color(), clBlue);

    MoveTo(FAbout, Inside(FAbout, FAbout.LblSimus));
    EXPECT_EQ(FAbout.LblSimus->Font()->Color(), clRed);
    EXPECT_EQ(FAbout.LblHomePage->Font()->Color(), clRed) << "only a move over the panel resets it";

    // over the text beside the links nothing changes
    MoveTo(FAbout, Inside(FAbout, FAbout.LblWebSite, {60, 20}));
    EXPECT_EQ(FAbout.LblHomePage->Font()->Color(), clRed);
    EXPECT_EQ(FAbout.LblSimus->Font()->Color(), clRed);

    // between the links, on the panel itself
    MoveTo(FAbout, Inside(FAbout, FAbout.Panel2, {300, 31}));
    EXPECT_EQ(FAbout.LblHomePage->Font()->Color(), clBlue);
    EXPECT_EQ(FAbout.LblSimus->Font()->Color(), clBlue);
    EXPECT_EQ(FAbout.LblSimus->palette().color(QPalette::WindowText), ColorToQColor(clBlue));

    // leaving the panel straight out of a link keeps the link red
    MoveTo(FAbout, Inside(FAbout, FAbout.LblSimus, {4, 14}));
    MoveTo(FAbout, Inside(FAbout, FAbout.LblDescription, {200, 40}));
    EXPECT_EQ(FAbout.LblSimus->Font()->Color(), clRed);
}

TEST_F(AboutBoxShown, ClickOnALinkOpensExactlyItsAddress) {
    ClickAt(FAbout, Inside(FAbout, FAbout.LblHomePage));
    ClickAt(FAbout, Inside(FAbout, FAbout.LblSimus));
    ASSERT_EQ(FOpened.size(), 2);
    EXPECT_EQ(FOpened[0], QUrl(QStringLiteral("https://gravilo.example.org/en/")));
    EXPECT_EQ(FOpened[1], QUrl(TFrmAbout::SimulationsAddress));

    // a click beside the links opens nothing
    ClickAt(FAbout, Inside(FAbout, FAbout.Panel2, {300, 31}));
    ClickAt(FAbout, Inside(FAbout, FAbout.LblWebSite));
    EXPECT_EQ(FOpened.size(), 2);
}

TEST_F(AboutBoxShown, HomePageThatIsNoWebAddressOpensNothing) {
    for (const char* address : {"", "HomePageURL", "file:///usr/bin/xterm", "/usr/bin/xterm",
                                "javascript:alert(1)", "FILE:///etc/passwd"}) {
        FAbout.SetHomePageAddress(QString::fromLatin1(address));
        ClickAt(FAbout, Inside(FAbout, FAbout.LblHomePage));
    }
    EXPECT_TRUE(FOpened.isEmpty());
    FAbout.SetHomePageAddress(QStringLiteral("mailto:info@gravilo.example.org"));
    ClickAt(FAbout, Inside(FAbout, FAbout.LblHomePage));
    ASSERT_EQ(FOpened.size(), 1);
    EXPECT_EQ(FOpened[0].scheme(), QLatin1String("mailto"));
    EXPECT_EQ(FOpened[0].path(), QLatin1String("info@gravilo.example.org"));
}

TEST(AboutBoxLanguage, GermanExactlyWhenTheFileSaysLggermanInAnyCase) {
    for (const char* german : {"lggerman", "LGGERMAN", "LgGerMan"})
        EXPECT_TRUE(TFrmAbout::IsGermanLanguage(QLatin1String(german))) << german;
    // a missing key comes back as the key itself
    for (const char* other :
         {"lgenglish", "", "$dlglanguage$", " lggerman", "lggerman ", "lggermany", "german"})
        EXPECT_FALSE(TFrmAbout::IsGermanLanguage(QLatin1String(other))) << other;

    EXPECT_TRUE(TFrmAbout::IsGermanLanguage(LanguageOf(ShippedFile("gravilo_de.itl"))));
    EXPECT_FALSE(TFrmAbout::IsGermanLanguage(LanguageOf(ShippedFile("gravilo_en.itl"))));
    EXPECT_TRUE(TFrmAbout::IsGermanLanguage(LanguageOf("[$dlglanguage$]=LGGERMAN|$$\r\n")));
    EXPECT_FALSE(TFrmAbout::IsGermanLanguage(LanguageOf("[HomePage]=Start|$$\r\n")));
}

TEST(AboutBoxLanguage, FillTextsWritesTheWebSiteLineAndTheDescription) {
    TFrmAbout about;
    about.FillTexts(true);
    EXPECT_EQ(about.LblWebSite->Caption(),
              QStringLiteral("Mehr Informationen finden Sie auf folgenden Webseiten:"));
    EXPECT_EQ(about.LblDescription->Caption(), TFrmAbout::DescriptionText(true));
    EXPECT_TRUE(about.LblDescription->Caption().contains(QStringLiteral("Höhe")));
    about.FillTexts(false);
    EXPECT_EQ(about.LblWebSite->Caption(),
              QStringLiteral("More information can be found at the following Web sites:"));
    EXPECT_EQ(about.LblDescription->Caption(), TFrmAbout::DescriptionText(false));
    // each description speaks of what the program shows, who made it and where it is used
    for (bool german : {false, true}) {
        const QString text = TFrmAbout::DescriptionText(german);
        for (const char* word :
             {"Gravilo", german ? "Masse" : "mass", german ? "Energie" : "energy",
              german ? "Lehrbüchern" : "textbooks", german ? "interaktive" : "interactive"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
        EXPECT_FALSE(text.startsWith(QLatin1String("GL_")));
    }
}
