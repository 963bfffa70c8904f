// SPDX-License-Identifier: MIT
#include "TBitmap.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

#include "RegularFile.h"

void TBitmap::SetSize(int width, int height, double scale) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (!FImage.isNull() && Width() == width && Height() == height && Scale() == scale) return;
    FCanvas.Release();
    FImage = TCanvas::ScaledImage(width, height, scale, QImage::Format_RGB32);
    if (!FImage.isNull()) FImage.fill(Qt::white);
    FCanvas.SetTarget(&FImage);
}

void TBitmap::SwapImage(QImage& other) {
    FCanvas.Release();
    FImage.swap(other);
    FCanvas.SetTarget(&FImage);
}

bool TBitmap::LoadFromFile(const QString& fileName) {
    // a regular file only: a pipe in its place would hang the painting program
    constexpr qint64 MaxFileBytes = 256LL * 1024 * 1024;
    QByteArray bytes;
    QString unreadable;
    if (!RegularFile::Read(fileName, MaxFileBytes, bytes, unreadable)) return false;
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    QImageReader reader(&file, QFileInfo(fileName).suffix().toLower().toLatin1());
    // a hostile file must not make us allocate without bound
    const QSize size = reader.size();
    if (size.isValid() && (qint64(size.width()) * size.height() > 64LL * 1024 * 1024)) return false;
    QImage loaded;
    if (!reader.read(&loaded) || loaded.isNull()) return false;
    FCanvas.Release();
    FImage = loaded.convertToFormat(QImage::Format_RGB32);
    FCanvas.SetTarget(&FImage);
    return true;
}
