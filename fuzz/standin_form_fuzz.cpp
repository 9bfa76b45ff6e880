// The stand-in's form parser over any request body.
#include "fuzz_input.h"

#include "standin/form_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const FormFields form(FuzzBytes(data, size));
    form.value(QStringLiteral("ID"));
    form.contains(QStringLiteral("PassWord"));
    return 0;
}
