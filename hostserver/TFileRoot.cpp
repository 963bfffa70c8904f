#include "TFileRoot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TFileRoot::TFileRoot(const QString& Dir) {
    const QFileInfo info(Dir);
    FPath = info.canonicalFilePath();
    if (FPath.isEmpty()) FPath = QDir::cleanPath(info.absoluteFilePath());
}

QString TFileRoot::Map(const QString& Name) const {
    const qsizetype slash = qMax(Name.lastIndexOf(QLatin1Char('/')), Name.lastIndexOf(QLatin1Char('\\')));
    return FPath + QLatin1Char('/') + Name.mid(slash + 1);
}

bool TFileRoot::Read(const QString& Name, qint64 MaxSize, QByteArray* Bytes) const {
    if (Name.isEmpty()) return false;
    const QString path = QDir::isAbsolutePath(Name) ? Name : FPath + QLatin1Char('/') + Name;
    // the real path decides, after every link and ".." has been followed
    const QFileInfo info(path);
    const QString real = info.canonicalFilePath();
    if (real.isEmpty() || !real.startsWith(FPath + QLatin1Char('/')) || !info.isFile()) return false;
    QFile file(real);
    if (file.size() > MaxSize || !file.open(QIODevice::ReadOnly)) return false;
    *Bytes = file.readAll();
    return Bytes->size() <= MaxSize;
}
