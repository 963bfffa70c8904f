#pragma once
// The folder the server serves files from: nothing outside it is ever read.

#include <QByteArray>
#include <QString>

class TFileRoot {
public:
    explicit TFileRoot(const QString& Dir);

    const QString& Path() const { return FPath; }
    // Where a file of that name lives in the folder (its directory is dropped).
    QString Map(const QString& Name) const;
    // The bytes of a regular file inside the folder, at most MaxSize of them. A relative name is
    // taken from the folder; a path that leads out of it, also through a link, is not found.
    bool Read(const QString& Name, qint64 MaxSize, QByteArray* Bytes) const;

private:
    QString FPath;
};
