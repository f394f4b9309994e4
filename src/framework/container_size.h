#pragma once

#include <QtGlobal>
#include <limits>

// The most bytes that one Qt container holds on this platform: its sizes are qsizetype, 32 bits
// on a 32-bit build, and its block keeps room for a header and a terminating zero.
inline constexpr quint64 kLargestBlock = quint64(std::numeric_limits<qsizetype>::max()) - 64;

// Whether `count` items of `itemSize` bytes fit one container of at most `largestBlock` bytes.
// Readers ask it of every length that comes from outside before they allocate.
constexpr bool FitsContainer(quint64 count, quint64 itemSize, quint64 largestBlock = kLargestBlock)
{
    return count <= largestBlock / itemSize;
}
