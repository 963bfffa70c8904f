// SPDX-License-Identifier: MIT
#include "LinkOpener.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>

namespace {

// The busy cursor for as long as the desktop takes to accept an address.
class TBusyCursor {
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

}  // namespace

TLinkOpener::TLinkOpener() : FOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {}

QUrl TLinkOpener::OpenableUrl(const QString& address) {
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) return {};
    const QString scheme = url.scheme();
    const bool web = scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0 ||
                     scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
    const bool mail = scheme.compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0;
    if (web && !url.host().isEmpty()) return url;
    if (mail && !url.path().isEmpty()) return url;
    return {};
}

bool TLinkOpener::Open(const QString& address) const {
    const QUrl url = OpenableUrl(address);
    if (url.isEmpty() || !FOpener) return false;
    TBusyCursor busy;
    // the cursor shows before the desktop keeps us waiting; no clicks are taken meanwhile
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return FOpener(url);
}
