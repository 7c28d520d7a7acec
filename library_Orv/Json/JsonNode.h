#pragma once

#include "../BaseClass.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Orv {

// One JSON value. A node remembers the span of source text it covers and splits it into child spans only when its
// content is first asked for; children point into the root's text, so the root must outlive them.
class JsonNode : public BaseClassVirtualNonCopyable {
public:
    enum Kind : uint8_t {
        Undefined = 0,
        Null = 1,
        Object = 2,
        Array = 3,
        String = 4,
        Float = 5,
        Integer = 6,
        EValue = 7,
        Bool = 8,
        Failed = 9,
    };

    JsonNode();
    // A node over a span of a document whose text ends at documentEnd; parsed on first use.
    JsonNode(const char* text, uint32_t length, bool nameEscaped, const char* documentEnd = nullptr);
    ~JsonNode() override;

    // Takes a bracketed document ("{...}" or "[...]" once trimmed) and parses its first level.
    bool SetText(const std::string& text);
    bool Parse();

    // The member of that name, added when missing (for objects and nodes not yet typed); for other kinds an empty
    // node that stands for "no such member".
    JsonNode& Member(const std::string& name);
    const std::vector<JsonNode*>& Children();

    std::string ValueText() const;
    int32_t ValueInt() const;
    void SetString(const std::string& value);
    void SetString(const std::wstring& value);
    void Clear();

    Kind GetKind() const { return static_cast<Kind>(kind_); }
    bool IsParsed() const { return parsed_; }
    bool NameEscaped() const { return nameEscaped_; }
    bool ValueEscaped() const { return valueEscaped_; }
    const std::string& Name() const { return name_; }
    // The message of the last parse error; empty when there was none.
    std::string ErrorText() const { return error_ ? *error_ : std::string(); }

private:
    bool ParseObject(const char* start);
    bool ParseArray(const char* start);
    bool Fail(const std::string& message);
    void AssignSpan(const char* begin, const char* end, bool valueEscaped);
    static void DeleteTrees(std::vector<JsonNode*> pending);
    JsonNode* AddMember(const char* nameBegin, const char* nameEnd, bool nameEscaped);
    JsonNode* AddElement();
    void DestroyChildren();
    const char* End() const { return text_ + length_; }

    const char* text_ = nullptr;
    uint32_t length_ = 0;
    uint8_t kind_ : 5;
    bool parsed_ : 1;
    bool nameEscaped_ : 1;
    bool valueEscaped_ : 1;
    const char* documentEnd_ = nullptr;
    std::string name_;
    std::string storage_;
    std::map<std::string, JsonNode*> members_;
    std::vector<JsonNode*> children_; // owned
    std::unique_ptr<std::string> error_;
    std::unique_ptr<JsonNode> missingMember_;
};

} // namespace Orv
