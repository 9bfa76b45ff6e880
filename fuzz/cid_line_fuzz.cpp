// The caller-ID line protocol over any bytes a carrier's service sends, read in two pieces: every
// line read is written back the same, and no more than a line's limit is kept.
#include "fuzz_input.h"

#include "platform/cid_line_codec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const qsizetype half = bytes.size() / 2;
    CidLineReader reader;
    for (const QByteArrayView piece : {QByteArrayView(bytes).first(half), QByteArrayView(bytes).sliced(half)}) {
        for (const QStringList& fields : reader.take(piece).lines)
            if (DecodeCidLine(EncodeCidLine(fields).chopped(1)) != fields)
                std::abort();
        if (reader.pending() > CidLineReader::kLineLimit)
            std::abort();
    }
    return 0;
}
