#include "JsonDocument.h"

#include "../Utf8Codec.h"
#include "JsonEscape.h"

namespace Orv {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(const std::string& text) {
    size_t i = 0;
    const size_t n = text.size();
    const auto digits = [&]() {
        const size_t start = i;
        while (i < n && IsDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < n && text[i] == '-')
        ++i;
    if (i < n && text[i] == '0')
        ++i;
    else if (digits() == 0)
        return false;
    if (i < n && text[i] == '.') {
        ++i;
        if (digits() == 0)
            return false;
    }
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == n;
}
} // namespace

std::string JsonDocument::ToString(JsonNode& node, const std::string& indentUnit) {
    depth_ = 0;
    stream_.str(std::string());
    stream_.clear();
    indentUnit_ = indentUnit;
    pretty_ = !indentUnit.empty();
    if (node.GetKind() == Undefined)
        node.Parse();
    if (node.GetKind() == Failed)
        stream_ << "null"; // a document that failed to parse has no content to write
    else
        Write(node, false);
    return stream_.str();
}

void JsonDocument::Indent() {
    if (pretty_)
        for (int i = 0; i < depth_; ++i)
            stream_ << indentUnit_;
}

void JsonDocument::Newline() {
    if (pretty_)
        stream_ << '\n';
}

void JsonDocument::NamePrefix(const JsonNode& node, bool inObject) {
    // Inside an object every member carries its name, even an empty one, so the text stays valid JSON.
    if (inObject)
        stream_ << '"' << JsonEscape(ScrubUtf8(node.Name())) << "\": ";
}

void JsonDocument::WriteStringValue(const std::string& value) {
    stream_ << '"' << JsonEscape(ScrubUtf8(value)) << '"';
}

void JsonDocument::WriteContainer(JsonNode& node, bool inObject, char open, char close) {
    Indent();
    NamePrefix(node, inObject);
    stream_ << open;
    Newline();
    ++depth_;
    bool first = true;
    const bool childrenInObject = open == '{';
    for (JsonNode* child : node.Children()) {
        if (child->GetKind() == Failed)
            continue;
        if (!first) {
            stream_ << ',';
            Newline();
        }
        Write(*child, childrenInObject);
        first = false;
    }
    Newline();
    --depth_;
    Indent();
    stream_ << close;
}

void JsonDocument::Write(JsonNode& node, bool inObject) {
    if (node.GetKind() == Undefined)
        node.Parse();
    if (depth_ >= kMaxWriteDepth) {
        Indent();
        NamePrefix(node, inObject);
        stream_ << "null";
        return;
    }
    switch (node.GetKind()) {
    case Object:
    case Undefined:
        WriteContainer(node, inObject, '{', '}');
        return;
    case Array:
        WriteContainer(node, inObject, '[', ']');
        return;
    case Failed:
        return;
    default:
        break;
    }
    Indent();
    NamePrefix(node, inObject);
    const std::string value = node.ValueText();
    switch (node.GetKind()) {
    case Null:
        stream_ << "null";
        break;
    case Float:
    case Integer:
        // Tokens such as "+2" or ".5" are not JSON numbers; they keep their text as strings.
        if (IsJsonNumber(value))
            stream_ << value;
        else
            WriteStringValue(value);
        break;
    case Bool:
        if (value == "true" || value == "false")
            stream_ << value;
        else
            WriteStringValue(value);
        break;
    default: // String, EValue
        WriteStringValue(value);
        break;
    }
}

} // namespace Orv
