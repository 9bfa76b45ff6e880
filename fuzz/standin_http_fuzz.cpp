// The stand-in's HTTP parser over any bytes a client sends.
#include "fuzz_input.h"

#include "standin/http_message.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray received = FuzzBytes(data, size);
    HttpRequestHead head;
    if (ParseHttpRequest(received, head) == HttpParse::Complete
        && (head.body.size() > kMaxHttpBody || head.body.size() > received.size()))
        std::abort();
    return 0;
}
