#include "library_Orv/Json/JsonNode.h"

#include <gtest/gtest.h>

#include <string>

using Orv::JsonNode;

namespace {
std::vector<std::string> Names(JsonNode& node) {
    std::vector<std::string> names;
    for (JsonNode* child : node.Children())
        names.push_back(child->Name());
    return names;
}
} // namespace

TEST(JsonParse, UnquotedKeyAsTheProductSendsIt) {
    JsonNode root;
    ASSERT_TRUE(root.SetText("{DAD:1}"));
    EXPECT_EQ(root.GetKind(), JsonNode::Object);
    JsonNode& dad = root.Member("DAD");
    EXPECT_EQ(dad.GetKind(), JsonNode::Integer);
    EXPECT_EQ(dad.ValueText(), "1");
    EXPECT_EQ(dad.ValueInt(), 1);
    EXPECT_EQ(root.Children().size(), 1u);
}

TEST(JsonParse, UnquotedKeyKeepsInnerSpaces) {
    JsonNode root;
    ASSERT_TRUE(root.SetText("{ a b : 2 ,c:3}"));
    EXPECT_EQ(Names(root), (std::vector<std::string>{" a b ", "c"}));
}

TEST(JsonParse, KindsFollowTheFirstDecisiveCharacter) {
    JsonNode root;
    ASSERT_TRUE(root.SetText(R"([null, true, false, "s", 12, 12.5, .5, -1.5, +2, e3, x{}, [1]])"));
    std::vector<JsonNode::Kind> kinds;
    for (JsonNode* child : root.Children())
        kinds.push_back(child->GetKind());
    const std::vector<JsonNode::Kind> expected = {
        JsonNode::Null,  JsonNode::Bool,    JsonNode::Bool,    JsonNode::String, JsonNode::Integer, JsonNode::Float,
        JsonNode::Float, JsonNode::Integer, JsonNode::Integer, JsonNode::EValue, JsonNode::Object,  JsonNode::Array};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(root.Children()[3]->ValueText(), "s");
    EXPECT_EQ(root.Children()[8]->ValueInt(), 2);
}

TEST(JsonParse, BlankContainersHaveNoChildren) {
    for (const char* text : {"{}", "{ \n }", "[]", "[ \n\n ]"}) {
        JsonNode root;
        EXPECT_TRUE(root.SetText(text)) << text;
        EXPECT_TRUE(root.Children().empty()) << text;
        EXPECT_TRUE(root.ErrorText().empty()) << text;
    }
}

TEST(JsonParse, DuplicateMemberKeepsSecondValueInSecondPlace) {
    JsonNode root;
    ASSERT_TRUE(root.SetText(R"({"a": 1, "b": 2, "a": 3})"));
    EXPECT_EQ(Names(root), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(root.Member("a").ValueInt(), 3);
}

TEST(JsonParse, StructuralErrors) {
    struct Case {
        const char* text;
        const char* messageStart;
    };
    const Case cases[] = {
        {R"({"a": 1,})", "Missing a value after a key ( ':' is missing or extra comma added ',' ) inside an object "
                         "inside this json part ['{\"a\": 1,}']"},
        {R"({"a": {"b": 1})", "Object is not close as it should be ['"},
        {R"({"a" 1, b})", "Missing a value after a key"},
        {R"({a: 1: 2})", "Double separator key value( ':' ) inside this json part ['"},
        {R"({,})", "Missing a value after a key"},
        {R"({"a})", "Invalid key missing \" arround {\"a}']"},
        {R"([1, 2:3])", "Object separator key value( ':' ) inside array inside this json part ['"},
        {R"([[1, 2])", "Array is not close as it should be ['"},
    };
    for (const Case& c : cases) {
        JsonNode root;
        EXPECT_FALSE(root.SetText(c.text)) << c.text;
        EXPECT_EQ(root.GetKind(), JsonNode::Failed) << c.text;
        EXPECT_EQ(root.ErrorText().rfind(c.messageStart, 0), 0u) << c.text << " -> " << root.ErrorText();
        EXPECT_EQ(root.ErrorText().substr(root.ErrorText().size() - 2), "']");
    }
}

TEST(JsonParse, NestedErrorsSurfaceOnlyWhenReached) {
    JsonNode root;
    ASSERT_TRUE(root.SetText(R"({"good": 1, "bad": {"x": 1,}})"));
    EXPECT_EQ(root.Member("good").ValueInt(), 1);
    JsonNode& bad = root.Member("bad");
    EXPECT_EQ(bad.GetKind(), JsonNode::Failed);
    // The message quotes the node's text up to the end of the document.
    EXPECT_NE(bad.ErrorText().find("['{\"x\": 1,}}']"), std::string::npos) << bad.ErrorText();
}

TEST(JsonParse, SetTextNeedsBracketsAndLeavesTheNodeOtherwiseUnchanged) {
    JsonNode root;
    ASSERT_TRUE(root.SetText("{k:1}"));
    EXPECT_FALSE(root.SetText("abc"));
    EXPECT_FALSE(root.SetText(" \t\n"));
    EXPECT_FALSE(root.SetText("{]"));
    EXPECT_EQ(root.GetKind(), JsonNode::Object);
    EXPECT_EQ(root.Member("k").ValueInt(), 1);
    EXPECT_FALSE(root.SetText(""));
    EXPECT_EQ(root.GetKind(), JsonNode::Failed);
}

TEST(JsonParse, TrimsControlsSpacesAndHighBytesAroundTheDocument) {
    JsonNode root;
    ASSERT_TRUE(root.SetText("\xEF\xBB\xBF \r\n[1]\x01\xFF"));
    ASSERT_EQ(root.Children().size(), 1u);
    EXPECT_EQ(root.Children()[0]->ValueInt(), 1);
}

TEST(JsonParse, EscapedStringsAreUnescapedAndOthersKeptRaw) {
    JsonNode root;
    ASSERT_TRUE(root.SetText(R"({"e": "q\"b\\n\nt\tc\u0001u\u0041s\/x", "r": "plain"})"));
    EXPECT_EQ(root.Member("e").ValueText(), std::string("q\"b\\n\nt\tc\x01u\\u0041s\\/x"));
    EXPECT_TRUE(root.Member("e").ValueEscaped());
    EXPECT_FALSE(root.Member("r").ValueEscaped());
    EXPECT_EQ(root.Member("r").ValueText(), "plain");
}

TEST(JsonParse, EscapedKeyIsMarkedAndKeptRaw) {
    JsonNode root;
    ASSERT_TRUE(root.SetText(R"({"a\"b": 1})"));
    ASSERT_EQ(root.Children().size(), 1u);
    EXPECT_EQ(root.Children()[0]->Name(), "a\\\"b");
    EXPECT_TRUE(root.Children()[0]->NameEscaped());
}

TEST(JsonMember, MissingNameIsAddedOnObjectsAndEmptyElsewhere) {
    JsonNode root;
    ASSERT_TRUE(root.SetText("{a:1}"));
    JsonNode& added = root.Member("z");
    EXPECT_EQ(added.GetKind(), JsonNode::Undefined);
    EXPECT_EQ(Names(root), (std::vector<std::string>{"a", "z"}));

    JsonNode array;
    ASSERT_TRUE(array.SetText("[1,2]"));
    JsonNode& missing = array.Member("DAD");
    EXPECT_EQ(missing.ValueText(), "");
    EXPECT_EQ(missing.ValueInt(), 0);
    missing.SetString("scribble");
    EXPECT_EQ(array.Member("DAD").ValueText(), ""); // the stand-in for a missing member is never changed
    EXPECT_EQ(array.Children().size(), 2u);
}

TEST(JsonMember, ValueIntOfNonNumbersIsZero) {
    JsonNode root;
    ASSERT_TRUE(root.SetText(R"({a: "x",b: 99999999999,c: 7abc,d: -3})"));
    EXPECT_EQ(root.Member("a").ValueInt(), 0);
    EXPECT_EQ(root.Member("b").ValueInt(), 0);
    EXPECT_EQ(root.Member("c").ValueInt(), 7);
    EXPECT_EQ(root.Member("d").ValueInt(), -3);
}

TEST(JsonNodeValues, SetStringAndClear) {
    JsonNode node;
    node.SetString(std::wstring(L"caf\u00e9"));
    EXPECT_EQ(node.GetKind(), JsonNode::String);
    EXPECT_EQ(node.ValueText(), "caf\xC3\xA9");
    node.Clear();
    EXPECT_EQ(node.GetKind(), JsonNode::Undefined);
    EXPECT_TRUE(node.IsParsed());
    EXPECT_EQ(node.ValueText(), "");
}

TEST(JsonParse, MalformedInputNeverReadsOutside) {
    // Each text is copied to a buffer of its exact size so that AddressSanitizer sees any overrun.
    const char* texts[] = {
        "{\"a\\",
        "[\"\\",
        "{\"a\": \"b\\\"}",
        "[\"unterminated]",
        "{a:[}",
        "{a:]}",
        "[{]",
        "{}}",
        "[]]]",
        "{\"\xFF\xFE\": \"\x80\"}",
        "[\x80, \xC3]",
        "{\"a\":\"\\u00\"}",
        "[\"\\u001\"]",
        "{a:{b:{c:[1,{d:\"\\\"}",
        "[,,,]",
        "{:}",
        "{\"\":1}",
        "[\"a\"\"b\"]",
        "{a:1}{b:2}",
        "[1][2]",
    };
    for (const char* text : texts) {
        JsonNode root;
        root.SetText(std::string(text));
        // Walk everything reachable: a node has an error text exactly when it failed.
        std::vector<JsonNode*> pending{&root};
        while (!pending.empty()) {
            JsonNode* node = pending.back();
            pending.pop_back();
            const std::vector<JsonNode*>& children = node->Children();
            EXPECT_EQ(node->GetKind() == JsonNode::Failed, !node->ErrorText().empty()) << text;
            EXPECT_LE(node->ValueText().size(), std::string(text).size()) << text;
            pending.insert(pending.end(), children.begin(), children.end());
        }
    }
}

TEST(JsonParse, DeepNestingIsParsedLazilyAndFreedWithoutRecursion) {
    const int depth = 5000;
    std::string text = std::string(depth, '[') + std::string(depth, ']');
    JsonNode root;
    ASSERT_TRUE(root.SetText(text));
    JsonNode* node = &root;
    int reached = 0;
    while (!node->Children().empty()) {
        node = node->Children()[0];
        ++reached;
    }
    EXPECT_EQ(reached, depth - 1);
}
