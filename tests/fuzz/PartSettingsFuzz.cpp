// SPDX-License-Identifier: MIT
// The settings of the components' parts as a form hands them over (QUiLoader, or code uic wrote):
// dynamic properties named Part.Setting with whatever value the form holds. Whatever the name and
// the value, nothing leaves the event that takes them, every axis range stays finite with two
// different ends (above zero on a logarithmic axis) once the component shows, and it still paints.
//
// Input: a byte choosing the chart, the scale or the numeric label, then settings: a byte choosing
// one of the component's real part settings (or a name of the input's own), a byte choosing the
// value's type (text, whole number, real number of any bits, truth), the value.

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdint>
#include <memory>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "TNumora.h"
#include "TPlotica.h"
#include "TProperties.h"
#include "TScale.h"

namespace {

QApplication* Application = nullptr;

// every Part.Setting path of the object's parts, parts of parts included
void CollectPaths(const QObject* object, const QByteArray& prefix, int depth, QList<QByteArray>& paths) {
    for (const TPropInfo& info : PublishedProperties(object)) {
        if (info.FromQt) continue;
        const QByteArray path = prefix.isEmpty() ? info.Name : prefix + '.' + info.Name;
        if (info.Kind == TPropKind::Object) {
            const QObject* part = GetObjectProp(object, info.Name.constData());
            if (part && depth < 3) CollectPaths(part, path, depth + 1, paths);
        } else if (!prefix.isEmpty()) {
            paths.append(path);
        }
    }
}

// every part with a range keeps the promise of its header
void CheckRanges(const QObject* object, const QByteArray& path, int depth) {
    if (HasProperty(object, "RangeLow") && HasProperty(object, "RangeHigh")) {
        const double low = GetPropValue(object, "RangeLow").toDouble();
        const double high = GetPropValue(object, "RangeHigh").toDouble();
        const bool log = GetPropValue(object, "Logarithmic").toBool();
        FUZZ_CHECK(
            std::isfinite(low) && std::isfinite(high) && low != high && (!log || (low > 0 && high > 0)),
            QStringLiteral("%1: %2 .. %3%4")
                .arg(QString::fromLatin1(path))
                .arg(low, 0, 'g', 17)
                .arg(high, 0, 'g', 17)
                .arg(log ? QStringLiteral(", logarithmic") : QString()));
    }
    if (depth >= 3) return;
    for (const TPropInfo& info : PublishedProperties(object))
        if (info.Kind == TPropKind::Object && !info.FromQt)
            if (const QObject* part = GetObjectProp(object, info.Name.constData()))
                CheckRanges(part, path + '.' + info.Name, depth + 1);
}

QVariant Value(TFuzzInput& input) {
    switch (input.Byte() % 4) {
        case 0:
            return QString::fromUtf8(input.Chunk());
        case 1:
            return input.Int();
        case 2:
            return input.Real();
        default:
            return bool(input.Byte() & 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    Application = new QApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    TFuzzInput input(Data, Size);
    std::unique_ptr<QWidget> control;
    switch (input.Byte() % 3) {
        case 0:
            control = std::make_unique<TPlotica>();
            break;
        case 1:
            control = std::make_unique<TScale>();
            break;
        default:
            control = std::make_unique<TNumora>();
            break;
    }
    control->resize(240, 180);
    QList<QByteArray> paths;
    CollectPaths(control.get(), QByteArray(), 0, paths);
    FUZZ_CHECK(!paths.isEmpty());
    for (int i = 0; i < 24 && !input.AtEnd(); ++i) {
        const std::uint8_t pick = input.Byte();
        const QByteArray name = pick < 224 ? paths[pick % paths.size()] : input.Chunk();
        if (!name.contains('.')) continue;  // a plain property is the component's own, not a part's
        control->setProperty(name.constData(), Value(input));
    }
    control->show();  // a component nobody loaded keeps every rule from its first showing on
    CheckRanges(control.get(), control->metaObject()->className(), 0);
    QImage picture(control->size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    control->render(&painter);
    return 0;
}
