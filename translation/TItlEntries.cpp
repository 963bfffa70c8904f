// SPDX-License-Identifier: MIT
#include "TItlEntries.h"

#include <QHashFunctions>
#include <algorithm>
#include <limits>

namespace {

constexpr int KEntryBits = 40;  // a trillion entries: more than any file holds
constexpr std::uint64_t KEntryMask = (std::uint64_t{1} << KEntryBits) - 1;

std::size_t Hash(QByteArrayView key) {
    // the process's random seed: a file cannot pick keys that all land in one slot
    return qHash(key, QHashSeed::globalSeed());
}

std::uint64_t Tag(std::size_t hash) {
    return std::uint64_t(hash) & ~KEntryMask;
}

}  // namespace

QByteArrayView TItlEntries::Key(qsizetype i) const {
    const qsizetype start = i == 0 ? 0 : End(2 * i - 1);
    return QByteArrayView(FText.constData() + start, End(2 * i) - start);
}

QByteArrayView TItlEntries::Value(qsizetype i) const {
    return QByteArrayView(FText.constData() + End(2 * i), End(2 * i + 1) - End(2 * i));
}

qsizetype TItlEntries::IndexOf(QByteArrayView key) const {
    if (FSlots.empty()) return -1;
    return qsizetype(FSlots[SlotOf(key, Hash(key))] & KEntryMask) - 1;
}

void TItlEntries::Append(QByteArrayView key, QByteArrayView value) {
    // at most half the slots in use keeps the probe sequences short
    if (2 * (FKeys + 1) > FSlots.size()) Rehash(std::max<std::size_t>(16, 2 * FSlots.size()));
    const std::size_t hash = Hash(key);
    const std::size_t slot = SlotOf(key, hash);
    if (!key.isEmpty()) FText.append(key);
    AppendEnd(FText.size());
    if (!value.isEmpty()) FText.append(value);
    AppendEnd(FText.size());
    if (FSlots[slot] != 0) return;
    FSlots[slot] = Tag(hash) | std::uint64_t(Count());
    ++FKeys;
}

void TItlEntries::AppendEnd(qsizetype end) {
    if (!FWide && end > qsizetype(std::numeric_limits<quint32>::max())) {
        FWideEnds = QList<qsizetype>(FEnds.cbegin(), FEnds.cend());
        FEnds = {};
        FWide = true;
    }
    if (FWide)
        FWideEnds.append(end);
    else
        FEnds.append(quint32(end));
}

void TItlEntries::Clear() {
    FText = QByteArray();
    FEnds = {};
    FWideEnds = {};
    FWide = false;
    FSlots = {};
    FKeys = 0;
}

std::size_t TItlEntries::SlotOf(QByteArrayView key, std::size_t hash) const {
    const std::size_t mask = FSlots.size() - 1;
    const std::uint64_t tag = Tag(hash);
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t held = FSlots[slot];
        if (held == 0) return slot;
        if ((held & ~KEntryMask) == tag && Key(qsizetype(held & KEntryMask) - 1) == key) return slot;
    }
}

void TItlEntries::Rehash(std::size_t size) {
    std::vector<std::uint64_t> old(size, 0);
    FSlots.swap(old);
    for (const std::uint64_t held : old) {
        if (held == 0) continue;
        const qsizetype entry = qsizetype(held & KEntryMask) - 1;
        FSlots[SlotOf(Key(entry), Hash(Key(entry)))] = held;
    }
}
