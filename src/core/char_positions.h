#pragma once

#include <QStringView>

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Calls visit(position) for every position of the character in the text, left to right, in one
// pass that reads eight characters at a time.
template <typename Visit>
void ForEachCharPosition(QStringView text, char16_t c, Visit&& visit)
{
    const char16_t* data = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(c));
    for (; i + 8 <= size; i += 8) {
        const __m128i equal = _mm_cmpeq_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i)), wanted);
        // One bit per character: the 16-bit results packed to bytes.
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(equal, equal))) & 0xFFu;
        for (; mask; mask &= mask - 1)
            visit(i + std::countr_zero(mask));
    }
#endif
    for (; i < size; ++i) {
        if (data[i] == c)
            visit(i);
    }
}
