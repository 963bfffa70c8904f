// SPDX-License-Identifier: MIT
#pragma once
// Reading a fuzzer's bytes as typed values: numbers from the front, whatever is left as text.
// Running out of bytes gives zeros, so every input means something.

#include <QByteArray>

#include <bit>
#include <cstdint>
#include <cstring>

class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* Data, std::size_t Size)
        : FData(reinterpret_cast<const char*>(Data)), FSize(Size) {}

    template <typename T>
    T Take() {
        T value{};
        const std::size_t n = std::min(sizeof value, FSize - FAt);
        std::memcpy(&value, FData + FAt, n);
        FAt += n;
        return value;
    }
    std::uint8_t Byte() { return Take<std::uint8_t>(); }
    std::int32_t Int() { return Take<std::int32_t>(); }
    std::int64_t Int64() { return Take<std::int64_t>(); }
    // any bit pattern: NaNs, infinities, subnormals and negative zero included
    double Real() { return std::bit_cast<double>(Take<std::uint64_t>()); }
    // an integer in Low..High; arbitrary inputs land mostly inside, but the edges stay reachable
    int Small(int Low, int High) {
        const std::int32_t raw = Int();
        const std::int64_t span = std::int64_t(High) - Low + 1;
        return int(Low + ((std::int64_t(raw) % span) + span) % span);
    }
    // Up to a zero byte (consumed) or the end.
    QByteArray Chunk() {
        const std::size_t start = FAt;
        while (FAt < FSize && FData[FAt] != '\0') ++FAt;
        QByteArray chunk(FData + start, qsizetype(FAt - start));
        if (FAt < FSize) ++FAt;
        return chunk;
    }
    QByteArray Rest() {
        QByteArray rest(FData + FAt, qsizetype(FSize - FAt));
        FAt = FSize;
        return rest;
    }
    bool AtEnd() const { return FAt >= FSize; }

private:
    const char* FData;
    std::size_t FSize;
    std::size_t FAt = 0;
};
