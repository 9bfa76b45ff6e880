// The tolerant converters and the small text helpers over values from outside.
#include "fuzz_input.h"

#include "core/byte_text.h"
#include "core/converters.h"
#include "core/phone.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = FuzzText(data, size);
    const QVariant value(text);
    ToBoolean(value);
    ToDouble(value);
    ToLong(value);
    IsNumber(value);
    Trim(text);
    ZeroPad(text, size > 0 ? data[0] % 32 : 0);
    SplitPhone(text);
    FormatPhoneMasked(text, true);
    FormatPhoneMasked(text, false);
    ByteLen(text);
    ByteLeft(text, size > 0 ? data[size - 1] % 64 : 0);
    return 0;
}
