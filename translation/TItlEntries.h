// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <cstdint>
#include <vector>

#include "gravilo_translation_export.h"

/// The entries of a dictionary: keys and values in file order, side by side in one text, and an
/// index from each key to its first entry (the first entry of a key wins; later ones are kept for
/// the missing-keys file). An entry costs its bytes and two positions of 4 bytes (8 once the text
/// passes 4 GiB), with no allocation of its own: a file of millions of tiny records needs little
/// more memory than its size, and the time that memory takes to provide is most of its loading.
/// Keys are compared byte for byte.
class GRAVILO_TRANSLATION_EXPORT TItlEntries {
public:
    /// The number of entries, each appended one counted.
    qsizetype Count() const { return (FWide ? FWideEnds.size() : FEnds.size()) / 2; }
    /// The key of entry i (0 to Count() - 1). Valid until the next Append or Clear.
    QByteArrayView Key(qsizetype i) const;
    /// The value of entry i (0 to Count() - 1). Valid until the next Append or Clear.
    QByteArrayView Value(qsizetype i) const;

    /// The first entry whose key is key, or -1.
    qsizetype IndexOf(QByteArrayView key) const;

    /// Adds an entry at the end. key and value must not lie in these entries' own text.
    void Append(QByteArrayView key, QByteArrayView value);
    /// Empties the entries and gives their memory back.
    void Clear();

private:
    // The slot that holds key's first entry, or the free slot where it would go.
    std::size_t SlotOf(QByteArrayView key, std::size_t hash) const;
    void Rehash(std::size_t size);
    // Where entry k / 2 ends its key (k even) or its value (k odd).
    qsizetype End(qsizetype k) const { return FWide ? FWideEnds[k] : FEnds[k]; }
    void AppendEnd(qsizetype end);

    QByteArray FText;
    QList<quint32> FEnds;        // the ends while the text is below 4 GiB
    QList<qsizetype> FWideEnds;  // and all of them once it is not
    bool FWide = false;
    // open addressing, a power of two long: 0 when free, else the high bits of the key's hash over
    // 1 + its first entry, so that most slots of other keys are passed without reading their keys
    std::vector<std::uint64_t> FSlots;
    std::size_t FKeys = 0;  // the different keys, each in one slot
};
