// SPDX-License-Identifier: MIT
// Which addresses are opened, what the opener is handed, and the busy cursor around it. The
// desktop's own handler is checked under a real X server (see CMakeLists.txt): there Qt starts
// xdg-open, which the test replaces by a recorder.

#include <gtest/gtest.h>

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

#include "AboutBox.h"
#include "LinkOpener.h"

TEST(LinkOpener, AcceptsWellFormedWebAndMailAddressesOnly) {
    const struct {
        const char* Address;
        const char* Opened;  // nullptr: refused
    } cases[] = {
        {"https://gravilo.example.org/en/", "https://gravilo.example.org/en/"},
        {"http://gravilo.example.org/a?b=1#c", "http://gravilo.example.org/a?b=1#c"},
        {"HTTPS://Gravilo.Example.org/", "https://gravilo.example.org/"},
        {"  https://gravilo.example.org/\r\n", "https://gravilo.example.org/"},
        {"mailto:info@gravilo.example.org", "mailto:info@gravilo.example.org"},
        {"MailTo:info@gravilo.example.org", "mailto:info@gravilo.example.org"},
        {"", nullptr},
        {"   ", nullptr},
        {"HomePageURL", nullptr},  // what a language file without the key gives
        {"gravilo.example.org", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"../../bin/sh", nullptr},
        {"file:///etc/passwd", nullptr},
        {"FILE:///etc/passwd", nullptr},
        {"file://localhost/usr/bin/xterm", nullptr},
        {"javascript:alert(1)", nullptr},
        {"data:text/html,<b>x</b>", nullptr},
        {"ftp://gravilo.example.org/", nullptr},
        {"smb://server/share", nullptr},
        {"https://", nullptr},
        {"https:relative/path", nullptr},
        {"mailto:", nullptr},
        {"https://gravilo example.org/", nullptr},
        {"https://gravilo.example.org/a b", nullptr},
    };
    for (const auto& c : cases) {
        const QUrl url = TLinkOpener::OpenableUrl(QString::fromLatin1(c.Address));
        if (c.Opened)
            EXPECT_EQ(url.toString(), QLatin1String(c.Opened)) << c.Address;
        else
            EXPECT_TRUE(url.isEmpty()) << c.Address << " -> " << url.toString().toStdString();
    }
}

TEST(LinkOpener, HandsTheAddressOnUnderTheBusyCursorAndRestoresIt) {
    TLinkOpener opener;
    QList<QUrl> opened;
    bool busyMeanwhile = false;
    opener.SetOpener([&](const QUrl& url) {
        opened << url;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busyMeanwhile = cursor && cursor->shape() == Qt::BusyCursor;
        return false;  // the desktop could not open it: nobody hears of it
    });
    EXPECT_FALSE(opener.Open(QStringLiteral("https://gravilo.example.org/en/")));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://gravilo.example.org/en/")));
    EXPECT_TRUE(busyMeanwhile);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // a refused address never reaches the opener and never shows the busy cursor
    EXPECT_FALSE(opener.Open(QStringLiteral("file:///usr/bin/xterm")));
    EXPECT_EQ(opened.size(), 1);

    opener.SetOpener([](const QUrl&) { return true; });
    EXPECT_TRUE(opener.Open(QStringLiteral("mailto:info@gravilo.example.org")));
    opener.SetOpener({});
    EXPECT_FALSE(opener.Open(QStringLiteral("https://gravilo.example.org/")));
}

TEST(LinkOpener, ThrowingOpenerLeavesNoBusyCursorBehind) {
    TLinkOpener opener;
    opener.SetOpener([](const QUrl&) -> bool { throw std::runtime_error("no desktop"); });
    EXPECT_THROW(opener.Open(QStringLiteral("https://gravilo.example.org/")), std::runtime_error);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// Under X, QDesktopServices starts xdg-open with the address; a recorder stands in for it.
TEST(DesktopOpener, HomePageLinkReachesTheDesktopHandler) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "the desktop's handler is started on X only; run under Xvfb";
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString record = bin.filePath(QStringLiteral("opened.txt"));
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1'\n").arg(record).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (bin.path() + QLatin1Char(':')).toUtf8() + qgetenv("PATH"));
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");

    TFrmAbout about;
    about.SetHomePageAddress(QStringLiteral("https://gravilo.example.org/en/"));
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    const QPoint link = about.LblHomePage->mapTo(&about, QPoint(4, 4));
    QTest::mouseClick(about.windowHandle(), Qt::LeftButton, Qt::NoModifier, link);
    const auto recorded = [&record] {
        QFile file(record);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), QByteArray("https://gravilo.example.org/en/\n"), 5000);

    // a local program named as the home page is not started
    QFile::remove(record);
    about.SetHomePageAddress(QStringLiteral("file:///usr/bin/xterm"));
    QTest::mouseClick(about.windowHandle(), Qt::LeftButton, Qt::NoModifier, link);
    QTest::qWait(500);
    EXPECT_FALSE(QFile::exists(record));
}
