// SPDX-License-Identifier: MIT
#pragma once
// The folder the server serves files from: nothing outside it is ever read.
//
// The folder is opened once, and every file is found from that descriptor one name at a time,
// never by a path: a link is followed only while it stays inside the folder, and a folder that is
// swapped for a link while a request is on its way leads nowhere else.

#include <QByteArray>
#include <QString>

class TFileRoot {
public:
    explicit TFileRoot(const QString& Dir);
    ~TFileRoot();
    TFileRoot(const TFileRoot&) = delete;
    TFileRoot& operator=(const TFileRoot&) = delete;

    // False, with the reason in Error, when the folder cannot be opened.
    bool Open(QString* Error);
    const QString& Path() const { return FPath; }
    // Name in the folder, as a path ("/" + Name when the folder is the file system's root).
    QString FilePath(const QString& Name) const;
    // Where a file of that name lives in the folder (its directory is dropped).
    QString Map(const QString& Name) const;
    // The bytes of a regular file inside the folder, at most MaxSize of them. A relative name is
    // taken from the folder, an absolute one must name a place in it; a path that leads out of it,
    // also through a link, is not found.
    bool Read(const QString& Name, qint64 MaxSize, QByteArray* Bytes) const;

private:
    QString FGiven;  // the folder as it was named, made absolute
    QString FPath;   // its real path
    int FFd = -1;
};
