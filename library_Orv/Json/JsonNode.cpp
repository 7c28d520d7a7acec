#include "JsonNode.h"

#include "../CStringUtilsOrv.h"
#include "JsonEscape.h"

#include <algorithm>
#include <limits>
#include <locale>
#include <sstream>

namespace Orv {

namespace {
// Controls, space and every byte of 0x80 and above (signed value below 33) count as blanks around values.
bool IsBlank(char c) {
    return static_cast<signed char>(c) < 33;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool HasNonBlank(const char* begin, const char* end) {
    return std::any_of(begin, end, [](char c) { return !IsBlank(c); });
}

// Skips the string whose opening quote is at quote; returns the closing quote, or end when there is none.
// escaped is set when the string holds a backslash.
const char* SkipString(const char* quote, const char* end, bool& escaped) {
    const char* p = quote + 1;
    while (p < end && *p != '"') {
        if (*p == '\\') {
            escaped = true;
            p = (end - p > 1) ? p + 2 : end;
        } else {
            ++p;
        }
    }
    return p;
}

constexpr const char* kMissingValue =
    "Missing a value after a key ( ':' is missing or extra comma added ',' ) inside an "
    "object inside this json part ['";
} // namespace

JsonNode::JsonNode() : kind_(Undefined), parsed_(true), nameEscaped_(false), valueEscaped_(false) {}

JsonNode::JsonNode(const char* text, uint32_t length, bool nameEscaped, const char* documentEnd)
    : text_(text), length_(length), kind_(Undefined), parsed_(false), nameEscaped_(nameEscaped), valueEscaped_(false),
      documentEnd_(documentEnd) {}

JsonNode::~JsonNode() {
    DestroyChildren();
}

void JsonNode::DeleteTrees(std::vector<JsonNode*> pending) {
    // Deeply nested documents are torn down with an explicit stack rather than by recursion.
    while (!pending.empty()) {
        JsonNode* node = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), node->children_.begin(), node->children_.end());
        node->children_.clear();
        node->members_.clear();
        delete node;
    }
}

void JsonNode::DestroyChildren() {
    std::vector<JsonNode*> children;
    children.swap(children_);
    members_.clear();
    DeleteTrees(std::move(children));
}

void JsonNode::Clear() {
    DestroyChildren();
    kind_ = Undefined;
    parsed_ = true;
    nameEscaped_ = false;
    valueEscaped_ = false;
    text_ = nullptr;
    length_ = 0;
    documentEnd_ = nullptr;
    name_.clear();
    storage_.clear();
    error_.reset();
}

bool JsonNode::SetText(const std::string& text) {
    if (text.empty()) {
        kind_ = Failed;
        return false;
    }
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    if (end - begin < 2 || end - begin > std::numeric_limits<uint32_t>::max())
        return false;
    const char first = text[begin];
    const char last = text[end - 1];
    if (!((first == '[' && last == ']') || (first == '{' && last == '}')))
        return false;
    Clear();
    storage_.assign(text, begin, end - begin);
    text_ = storage_.data();
    length_ = static_cast<uint32_t>(storage_.size());
    documentEnd_ = text_ + length_;
    parsed_ = false;
    return Parse();
}

bool JsonNode::Fail(const std::string& message) {
    kind_ = Failed;
    const char* documentEnd = documentEnd_ ? documentEnd_ : End();
    if (!error_)
        error_ = std::make_unique<std::string>();
    *error_ = message;
    if (text_ && documentEnd > text_)
        error_->append(text_, static_cast<size_t>(documentEnd - text_));
    *error_ += "']";
    return false;
}

bool JsonNode::Parse() {
    if (parsed_)
        return true;
    parsed_ = true;
    if (!text_ || length_ == 0)
        return false;
    const char* end = End();
    for (const char* p = text_; p < end; ++p) {
        const char c = *p;
        switch (c) {
        case '"':
            kind_ = String;
            if (length_ >= 2) {
                ++text_;
                length_ -= 2;
            } else {
                length_ = 0;
            }
            if (valueEscaped_) {
                storage_ = JsonUnescape(text_, length_);
                text_ = storage_.data();
                length_ = static_cast<uint32_t>(storage_.size());
            }
            return true;
        case '{':
            kind_ = Object;
            return ParseObject(p);
        case '[':
            kind_ = Array;
            return ParseArray(p);
        case 'n':
            kind_ = Null;
            return true;
        case 't':
        case 'f':
            kind_ = Bool;
            return true;
        case 'e':
        case 'E':
            kind_ = EValue;
            return true;
        default:
            break;
        }
        if (IsDigit(c) || c == '-' || c == '+' || c == '.') {
            // A number is a float when it starts with a digit and holds a point, or starts with the point.
            kind_ = Integer;
            for (const char* q = p; q < end; ++q) {
                if (*q == '.') {
                    kind_ = Float;
                    break;
                }
                if (q == p && !IsDigit(*q))
                    break;
            }
            return true;
        }
    }
    return true; // nothing decisive: the kind stays as it was
}

JsonNode* JsonNode::AddMember(const char* nameBegin, const char* nameEnd, bool nameEscaped) {
    std::string name(nameBegin, nameEnd);
    auto found = members_.find(name);
    if (found != members_.end()) {
        // A repeated name replaces the earlier member, which leaves the document order.
        JsonNode* old = found->second;
        children_.erase(std::find(children_.begin(), children_.end(), old));
        DeleteTrees({old});
    }
    auto* child = new JsonNode();
    child->name_ = std::move(name);
    child->nameEscaped_ = nameEscaped;
    child->documentEnd_ = documentEnd_;
    members_[child->name_] = child;
    children_.push_back(child);
    return child;
}

JsonNode* JsonNode::AddElement() {
    auto* child = new JsonNode();
    child->documentEnd_ = documentEnd_;
    children_.push_back(child);
    return child;
}

void JsonNode::AssignSpan(const char* begin, const char* end, bool valueEscaped) {
    if (!begin || end < begin)
        return;
    while (begin < end && IsBlank(*begin))
        ++begin;
    while (end > begin && IsBlank(end[-1]))
        --end;
    text_ = begin;
    length_ = static_cast<uint32_t>(end - begin);
    parsed_ = false;
    valueEscaped_ = valueEscaped;
}

bool JsonNode::ParseObject(const char* start) {
    const char* end = End();
    long depth = 0;
    bool expectingKey = true;
    bool keyEscaped = false;
    bool valueEscaped = false;
    const char* keyStart = nullptr;   // the "{" or "," before an unquoted key
    const char* valueStart = nullptr; // the byte after the ":"
    const char* lastOpen = nullptr;
    JsonNode* current = nullptr;
    for (const char* p = start; p < end; ++p) {
        const char c = *p;
        if (c == '"') {
            bool escaped = false;
            const char* close = SkipString(p, end, escaped);
            (expectingKey ? keyEscaped : valueEscaped) |= escaped;
            if (close >= end) {
                if (depth == 1 && expectingKey)
                    return Fail("Invalid key missing \" arround ");
                break;
            }
            if (depth == 1 && expectingKey) {
                current = AddMember(p + 1, close, keyEscaped);
                keyStart = nullptr;
            }
            p = close;
            continue;
        }
        if (depth == 1 && c == ':') {
            if (!expectingKey)
                return Fail("Double separator key value( ':' ) inside this json part ['");
            if (keyStart)
                current = AddMember(keyStart + 1, p, keyEscaped);
            keyStart = nullptr;
            valueStart = p + 1;
            expectingKey = false;
            valueEscaped = false;
            continue;
        }
        if (depth == 1 && c == ',') {
            if (expectingKey)
                return Fail(kMissingValue);
            if (current)
                current->AssignSpan(valueStart, p, valueEscaped);
            valueEscaped = false;
            expectingKey = true;
            keyEscaped = false;
            keyStart = p;
            continue;
        }
        switch (c) {
        case '{':
            ++depth;
            lastOpen = p;
            if (depth == 1)
                keyStart = p;
            break;
        case '[':
            ++depth;
            break;
        case ']':
            --depth;
            break;
        case '}':
            if (expectingKey && lastOpen && HasNonBlank(lastOpen + 1, p))
                return Fail(kMissingValue);
            if (depth == 1 && current) {
                current->AssignSpan(valueStart, p, valueEscaped);
                current = nullptr;
            }
            --depth;
            break;
        default:
            break;
        }
    }
    if (depth != 0)
        return Fail("Object is not close as it should be ['");
    return true;
}

bool JsonNode::ParseArray(const char* start) {
    const char* end = End();
    long depth = 0;
    bool escaped = false;
    const char* valueStart = nullptr;
    JsonNode* current = nullptr;
    for (const char* p = start; p < end; ++p) {
        const char c = *p;
        switch (c) {
        case '"': {
            bool stringEscaped = false;
            const char* close = SkipString(p, end, stringEscaped);
            escaped |= stringEscaped;
            p = close < end ? close : end - 1;
            break;
        }
        case '[':
            ++depth;
            if (depth == 1) {
                const char* firstClose = std::find(p + 1, end, ']');
                if (HasNonBlank(p + 1, firstClose)) {
                    current = AddElement();
                    valueStart = p + 1;
                    escaped = false;
                }
            }
            break;
        case ',':
            if (depth == 1) {
                if (current)
                    current->AssignSpan(valueStart, p, escaped);
                current = AddElement();
                valueStart = p + 1;
                escaped = false;
            }
            break;
        case ':':
            if (depth == 1)
                return Fail("Object separator key value( ':' ) inside array inside this json part ['");
            break;
        case ']':
            if (depth == 1 && current) {
                current->AssignSpan(valueStart, p, escaped);
                current = nullptr;
            }
            --depth;
            break;
        case '{':
            ++depth;
            break;
        case '}':
            --depth;
            break;
        default:
            break;
        }
    }
    if (depth != 0)
        return Fail("Array is not close as it should be ['");
    return true;
}

JsonNode& JsonNode::Member(const std::string& name) {
    Parse();
    auto found = members_.find(name);
    if (found != members_.end()) {
        found->second->Parse();
        return *found->second;
    }
    if (kind_ != Object && kind_ != Undefined) {
        if (!missingMember_)
            missingMember_ = std::make_unique<JsonNode>();
        missingMember_->Clear(); // whatever a caller did to it last time is gone
        return *missingMember_;
    }
    JsonNode* child = AddMember(name.data(), name.data() + name.size(), false);
    return *child;
}

const std::vector<JsonNode*>& JsonNode::Children() {
    Parse();
    for (JsonNode* child : children_)
        child->Parse();
    return children_;
}

std::string JsonNode::ValueText() const {
    return text_ ? std::string(text_, length_) : std::string();
}

int32_t JsonNode::ValueInt() const {
    if (!text_ || length_ == 0)
        return 0;
    std::istringstream stream(ValueText());
    stream.imbue(std::locale::classic());
    int32_t value = 0;
    if (!(stream >> value))
        return 0;
    return value;
}

void JsonNode::SetString(const std::string& value) {
    kind_ = String;
    storage_ = value;
    text_ = storage_.data();
    length_ = static_cast<uint32_t>(std::min<size_t>(storage_.size(), std::numeric_limits<uint32_t>::max()));
    documentEnd_ = text_ + length_;
    parsed_ = true;
    valueEscaped_ = false;
}

void JsonNode::SetString(const std::wstring& value) {
    SetString(WStringToUtf8(value));
}

} // namespace Orv
