#pragma once

#include "JsonNode.h"

#include <sstream>
#include <string>

namespace Orv {

// A JSON node that can also write nodes as text. The text written is always standard JSON: tokens that are not
// JSON literals are written as strings, nodes that failed to parse are left out, and nesting deeper than
// kMaxWriteDepth is written as null.
class JsonDocument : public JsonNode {
public:
    static constexpr int kMaxWriteDepth = 256;

    // Compact when indentUnit is empty, else one member or element per line, indented by indentUnit per level.
    std::string ToString(JsonNode& node, const std::string& indentUnit = std::string());

private:
    void Write(JsonNode& node, bool inObject);
    void WriteContainer(JsonNode& node, bool inObject, char open, char close);
    void WriteStringValue(const std::string& value);
    void Indent();
    void Newline();
    void NamePrefix(const JsonNode& node, bool inObject);

    std::string indentUnit_;
    bool pretty_ = false;
    int depth_ = 0;
    std::ostringstream stream_;
};

} // namespace Orv
