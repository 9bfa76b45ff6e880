#pragma once

#include <QStringView>

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Searches for one character that read eight or sixteen characters at a time.

namespace char_positions_detail {

#if defined(__SSE2__)
// One bit for each of the eight characters at `data` that is the wanted one.
inline unsigned chunkMask(const char16_t* data, __m128i wanted)
{
    const __m128i equal = _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data)), wanted);
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(equal, equal))) & 0xFFu;
}

// The same for the sixteen characters at `data`: a pass over a whole text takes half the steps.
inline unsigned wideChunkMask(const char16_t* data, __m128i wanted)
{
    const auto* chunks = reinterpret_cast<const __m128i*>(data);
    const __m128i low = _mm_cmpeq_epi16(_mm_loadu_si128(chunks), wanted);
    const __m128i high = _mm_cmpeq_epi16(_mm_loadu_si128(chunks + 1), wanted);
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high)));
}
#endif

} // namespace char_positions_detail

// Calls visit(position) for every position of the character in the text, left to right.
template <typename Visit>
void ForEachCharPosition(QStringView text, char16_t c, Visit&& visit)
{
    const char16_t* data = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(c));
    for (; i + 16 <= size; i += 16) {
        for (unsigned mask = char_positions_detail::wideChunkMask(data + i, wanted); mask; mask &= mask - 1)
            visit(i + std::countr_zero(mask));
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == c)
            visit(i);
    }
}

// The first position at or after `from` holding the character, or -1.
inline qsizetype FindCharFrom(QStringView text, char16_t c, qsizetype from)
{
    const char16_t* data = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(c));
    for (; i + 8 <= size; i += 8) {
        if (const unsigned mask = char_positions_detail::chunkMask(data + i, wanted))
            return i + std::countr_zero(mask);
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == c)
            return i;
    }
    return -1;
}
