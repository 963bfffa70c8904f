// SPDX-License-Identifier: MIT
// Loading language files and looking keys up. A file of random bytes stands for a damaged or wrong
// file: it must load in a small fraction of a second whatever its size, since it is read at start.
// A file of nothing but terminators is the most records a file of its size can hold: it costs
// what its millions of entries cost, and no more.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryFile>

#include "TGlossator.h"

namespace {

QByteArray RandomBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

QByteArray ManyRecords(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes +=
            "[Key number " + QByteArray::number(i) + "]=Value number " + QByteArray::number(i) + "|$$\r\n";
    return bytes;
}

// Loads a file of these bytes from disk, over and over.
void LoadFile(benchmark::State& state, const QByteArray& bytes) {
    QTemporaryFile file;
    file.open();
    file.write(bytes);
    file.flush();
    for (auto _ : state) {
        TGlossator dictionary;
        dictionary.LoadFromStream(file);
        benchmark::DoNotOptimize(dictionary.EntryCount());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}

void LoadRandomFile(benchmark::State& state) {
    LoadFile(state, RandomBytes(state.range(0) * 1024 * 1024));
}
BENCHMARK(LoadRandomFile)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void LoadEmptyRecords(benchmark::State& state) {
    LoadFile(state, QByteArray("|$$").repeated(state.range(0) * 1024 * 1024 / 3));
}
BENCHMARK(LoadEmptyRecords)->Arg(20)->Unit(benchmark::kMillisecond);

void LoadRecords(benchmark::State& state) {
    QBuffer buffer;
    buffer.setData(ManyRecords(int(state.range(0))));
    buffer.open(QIODevice::ReadOnly);
    for (auto _ : state) {
        TGlossator dictionary;
        dictionary.LoadFromStream(buffer);
        benchmark::DoNotOptimize(dictionary.EntryCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(LoadRecords)->Arg(20)->Arg(100000)->Unit(benchmark::kMillisecond);

void TranslateKey(benchmark::State& state) {
    QBuffer buffer;
    buffer.setData(ManyRecords(int(state.range(0))));
    buffer.open(QIODevice::ReadOnly);
    TGlossator dictionary;
    dictionary.LoadFromStream(buffer);
    const QByteArray key = "KEY NUMBER " + QByteArray::number(state.range(0) - 1);
    for (auto _ : state) benchmark::DoNotOptimize(dictionary.Translate(key));
}
BENCHMARK(TranslateKey)->Arg(20)->Arg(100000);

}  // namespace
