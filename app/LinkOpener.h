// SPDX-License-Identifier: MIT
#pragma once
// Opens a web or mail address with the desktop's default handler, under the busy cursor.
//
// Only http, https and mailto addresses are handed on. The addresses come from places a user can
// edit (a language file gives the home page), and the desktop's handler would as readily run a
// local file or a program: anything that is not a well-formed web or mail address is dropped
// silently, as a failed opening is.

#include <QString>
#include <QUrl>
#include <functional>

class TLinkOpener {
public:
    // Hands an accepted address to the desktop; true when the desktop took it.
    using TUrlOpener = std::function<bool(const QUrl& url)>;

    // Starts with the desktop's default handler (QDesktopServices::openUrl).
    TLinkOpener();

    // The address as a URL when it may be opened, an empty (invalid) URL otherwise. Surrounding
    // white space is ignored; the scheme is compared without regard to letter case; http and
    // https need a host, mailto a recipient.
    static QUrl OpenableUrl(const QString& address);

    // Opens the address when OpenableUrl accepts it: the busy cursor is set, pending events are
    // processed so that it shows, the opener is called, and the cursor is restored, also when the
    // opener throws. Returns whether the address was handed on and taken; nothing is reported.
    bool Open(const QString& address) const;

    // Replaces the handler (tests put a recorder here); an empty one opens nothing.
    void SetOpener(TUrlOpener opener) { FOpener = std::move(opener); }
    const TUrlOpener& Opener() const { return FOpener; }

private:
    TUrlOpener FOpener;
};
