// The caller-ID line protocol over any bytes a carrier's service sends: every line read is written
// back the same.
#include "fuzz_input.h"

#include "platform/cid_line_codec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray buffer = FuzzBytes(data, size);
    for (const QStringList& fields : TakeCidLines(buffer))
        if (DecodeCidLine(EncodeCidLine(fields).chopped(1)) != fields)
            std::abort();
    if (buffer.contains('\n'))
        std::abort();
    return 0;
}
