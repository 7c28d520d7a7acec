#include "StrictJson.h"
#include "library_Orv/Json/JsonDocument.h"

#include <gtest/gtest.h>

#include <string>

using Orv::JsonDocument;
using Orv::JsonNode;

TEST(JsonWrite, CompactAndPrettyObjects) {
    JsonDocument document;
    document.Member("x").SetString(std::string("1"));
    document.Member("y").SetString(std::string("2"));
    EXPECT_EQ(document.ToString(document), "{\"x\": \"1\",\"y\": \"2\"}");
    EXPECT_EQ(document.ToString(document, "  "), "{\n  \"x\": \"1\",\n  \"y\": \"2\"\n}");
}

TEST(JsonWrite, ReportMembersKeepTheirFirstOrderWhenUpdated) {
    JsonDocument document;
    for (const char* key : {"labelWindows64BitsIcon", "Windows", "labelIsRunning", "plainTextEdit"})
        document.Member(key).SetString(std::string("false"));
    document.Member("labelIsRunning").SetString(std::string("true"));
    document.Member("Windows").SetString(std::string("Debian - 12"));
    EXPECT_EQ(document.ToString(document), "{\"labelWindows64BitsIcon\": \"false\",\"Windows\": \"Debian - 12\","
                                           "\"labelIsRunning\": \"true\",\"plainTextEdit\": \"false\"}");
}

TEST(JsonWrite, EscapesRoundTripThroughTheReader) {
    std::string allControls;
    for (int c = 1; c < 0x20; ++c)
        allControls += static_cast<char>(c);
    const std::string values[] = {"\"\\\n", allControls, "tab\there \\u0041 \\/ end\\", "caf\xC3\xA9 \xE2\x82\xAC"};
    for (const std::string& value : values) {
        JsonDocument document;
        document.Member("v").SetString(value);
        const std::string text = document.ToString(document);
        EXPECT_TRUE(IsStrictJson(text)) << text;
        JsonNode back;
        ASSERT_TRUE(back.SetText(text)) << text;
        EXPECT_EQ(back.Member("v").ValueText(), value) << text;
    }
    JsonDocument document;
    document.Member("v").SetString(std::string("\"\\\n"));
    EXPECT_EQ(document.ToString(document), R"({"v": "\"\\\n"})");
    document.Member("v").SetString(std::string("\x01\x1f\x7f"));
    EXPECT_EQ(document.ToString(document), "{\"v\": \"\\u0001\\u001f\x7f\"}");
}

TEST(JsonWrite, ParsedDocumentWrittenBackInKind) {
    JsonNode source;
    ASSERT_TRUE(source.SetText(R"({DAD : 1,list: [1, 2.5, "s", true, null, {}],e: e5 })"));
    JsonDocument writer;
    EXPECT_EQ(writer.ToString(source), R"({"DAD ": 1,"list": [1,2.5,"s",true,null,{}],"e": "e5"})");
    EXPECT_EQ(writer.ToString(source, "\t"),
              "{\n\t\"DAD \": 1,\n\t\"list\": [\n\t\t1,\n\t\t2.5,\n\t\t\"s\",\n\t\ttrue,\n"
              "\t\tnull,\n\t\t{\n\n\t\t}\n\t],\n\t\"e\": \"e5\"\n}");
}

TEST(JsonWrite, OutputIsStandardJsonWhateverTheInput) {
    const char* inputs[] = {
        R"({a: +2, b: .5, c: tru, d: nope, e: 12abc, f: 0x1F})",
        R"({"": 1, :2})",
        R"({"ok": 1, "bad": {"x": 1,}, "also": [1,,2]})",
        "{\"k\xFF\": \"v\x80\xC3\"}",
        R"([1, x, {}, []])",
        R"({"a\"b": "c"})",
    };
    for (const char* input : inputs) {
        JsonNode source;
        source.SetText(input);
        JsonDocument writer;
        const std::string compact = writer.ToString(source);
        EXPECT_TRUE(IsStrictJson(compact)) << input << " -> " << compact;
        EXPECT_TRUE(IsStrictJson(writer.ToString(source, "  "))) << input;
    }
    JsonNode failed;
    EXPECT_FALSE(failed.SetText("{a:1,}"));
    JsonDocument writer;
    EXPECT_EQ(writer.ToString(failed), "null");
}

TEST(JsonWrite, TokensThatAreNotJsonLiteralsBecomeStrings) {
    JsonNode source;
    ASSERT_TRUE(source.SetText(R"({a: +2,b: .5,c: tru,d: -0.5e+3})"));
    JsonDocument writer;
    EXPECT_EQ(writer.ToString(source), R"({"a": "+2","b": ".5","c": "tru","d": -0.5e+3})");
}

TEST(JsonWrite, DeepNestingIsBounded) {
    const int depth = 2000;
    JsonNode source;
    ASSERT_TRUE(source.SetText(std::string(depth, '[') + std::string(depth, ']')));
    JsonDocument writer;
    const std::string text = writer.ToString(source);
    EXPECT_TRUE(IsStrictJson(text));
    EXPECT_EQ(text,
              std::string(JsonDocument::kMaxWriteDepth, '[') + "null" + std::string(JsonDocument::kMaxWriteDepth, ']'));
}
