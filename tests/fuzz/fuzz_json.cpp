// Feeds arbitrary bytes to the JSON reader, walks every node that can be reached and writes the document back.
// Beyond the sanitizers' findings, it stops when the writer produces text that is not standard JSON.
#include "StrictJson.h"
#include "library_Orv/Json/JsonDocument.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Orv::JsonDocument document;
    document.SetText(text);

    std::vector<Orv::JsonNode*> pending{&document};
    size_t visited = 0;
    while (!pending.empty() && visited < 100000) {
        Orv::JsonNode* node = pending.back();
        pending.pop_back();
        ++visited;
        node->ValueText();
        node->ValueInt();
        node->ErrorText();
        for (Orv::JsonNode* child : node->Children())
            pending.push_back(child);
    }
    document.Member("probe");

    Orv::JsonDocument writer;
    for (const char* indent : {"", "  "}) {
        const std::string written = writer.ToString(document, indent);
        if (!IsStrictJson(written)) {
            std::fprintf(stderr, "not standard JSON: %s\n", written.c_str());
            std::abort();
        }
    }
    return 0;
}
