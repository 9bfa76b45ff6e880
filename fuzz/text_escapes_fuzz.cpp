// The text escapes of free texts and the URL coding of message texts and answer fields.
#include "fuzz_input.h"

#include "core/text_escapes.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    const QString text = UTF8ToString(bytes);
    VmrDecodeAA(text);
    VmrEncodeAA(text);
    VmrEncodeBB(text);
    URLDecode(text);
    FormValue(text);
    if (URLDecode(URLEncode(text)) != text)
        std::abort();
    return 0;
}
