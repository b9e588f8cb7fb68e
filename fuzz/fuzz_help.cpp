// The help file comes from the machine's program folder, where anyone may have changed it.
#include "windows/helpdocument.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<HelpDocument> document = HelpDocument::parse(bytes);
    if (!document)
        return 0;
    for (const HelpDocument::Topic& topic : document->topics()) {
        document->topicHtml(topic.number);
        document->whatsThisHtml(topic.number);
    }
    document->topicHtml(-1);
    return 0;
}
