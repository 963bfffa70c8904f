// SPDX-License-Identifier: MIT
#include "PngEncoder.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>

namespace PngEncoder {

namespace {

// rows converted at once: a strip of a wide window stays well below the size the C library maps
// afresh from the system
constexpr int StripRows = 16;

struct TOutput {
    QByteArray* Bytes;
    char Reason[200] = {};
};

void Append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<TOutput*>(png_get_io_ptr(png));
    out->Bytes->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

void Flush(png_structp) {}

// libpng's way out of a failure: back to the encoder's setjmp, the reason kept
[[noreturn]] void Fail(png_structp png, png_const_charp message) {
    auto* out = static_cast<TOutput*>(png_get_error_ptr(png));
    qstrncpy(out->Reason, message, sizeof out->Reason);
    png_longjmp(png, 1);
}

void Warn(png_structp, png_const_charp) {}

// rows top to top + height - 1 of the image in the given format
QImage Converted(const QImage& image, int top, int height, QImage::Format format) {
    QImage rows(image.constScanLine(top), image.width(), height, image.bytesPerLine(), image.format());
    rows.setColorTable(image.colorTable());
    return rows.convertToFormat(format);
}

}  // namespace

bool EncodeFast(const QImage& image, QByteArray& bytes, QString& error) {
    const bool alpha = image.hasAlphaChannel();
    const QImage::Format format = alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888;
    TOutput out{&bytes};
    QImage strip;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, Fail, Warn);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, nullptr);
        error = QStringLiteral("out of memory for the picture");
        return false;
    }
    // nothing with a destructor is made from here to the end: libpng leaves by longjmp
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = QString::fromUtf8(out.Reason);
        return false;
    }
    png_set_write_fn(png, &out, Append, Flush);
    png_set_IHDR(png, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // a row like the one above, as in a window of flat colours, packs to almost nothing
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, 1);
    // a small match table: less memory to clear and touch, and no larger a file at this level
    png_set_compression_mem_level(png, 4);
    png_write_info(png, info);
    // converted a strip of rows at a time: no converted copy of the whole picture to allocate
    for (int top = 0; top < image.height(); top += StripRows) {
        const int height = std::min(StripRows, image.height() - top);
        strip = Converted(image, top, height, format);
        for (int y = 0; y < height; ++y) png_write_row(png, strip.constScanLine(y));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace PngEncoder
