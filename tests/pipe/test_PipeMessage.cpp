#include "pipe/PipeMessage.h"

#include <gtest/gtest.h>

using namespace Orv;

TEST(PipeMessages, ReplyPipeNameFromUtcTime) {
    UtcTime time;
    time.year = 2026;
    time.month = 12;
    time.day = 5;
    time.hour = 8;
    time.minute = 31;
    time.second = 2;
    time.millisecond = 45;
    EXPECT_EQ(MakeReplyPipeName(time), L"pipe..2026-12-05_08-31-02_045");
    const std::wstring now = MakeReplyPipeName();
    EXPECT_EQ(now.size(), std::wstring(L"pipe..2026-12-05_08-31-02_045_01234567").size());
    EXPECT_EQ(now.rfind(L"pipe..", 0), 0u);
    EXPECT_EQ(now.find(L'|'), std::wstring::npos);
    // Two names made in the same millisecond differ: nobody can make the pipe before the requester does.
    EXPECT_NE(MakeReplyPipeName(), MakeReplyPipeName());
    const UtcTime current = CurrentUtcTime();
    EXPECT_GE(current.year, 2026);
    EXPECT_TRUE(current.month >= 1 && current.month <= 12 && current.day >= 1 && current.day <= 31);
}

TEST(PipeMessages, TheTextsThisToolSends) {
    EXPECT_EQ(StatusQueryMessage(L"pipe..x"), L"pipe..x|[$-cmd-$]status");
    EXPECT_EQ(SetCommandMessage(L"{DAD:1}"), L"[$-cmd-$]set|{DAD:1}");
    EXPECT_EQ(CopyRequestMessage(L"pipe..x", L"C:\\T\\", {L"C:\\S\\tmp1.txt", L"C:\\S\\tmp2.txt"}),
              L"pipe..x|&copy here|C:\\T\\|C:\\S\\tmp1.txt|C:\\S\\tmp2.txt");
    EXPECT_EQ(AnswerMessage(L"skip"), L"[$-cmd-$]skip");
    EXPECT_EQ(EndOfAnswersMessage(), L"[$-cmd-$]exit");
}

TEST(PipeMessages, ReceiverSplitsRepliesAndStopsOnlyOnTheBareExit) {
    const ReceivedMessage exit = InterpretReceivedMessage(L"[$-cmd-$]exit");
    EXPECT_TRUE(exit.stopsServer);
    EXPECT_FALSE(exit.wantsReply);
    const ReceivedMessage requestedExit = InterpretReceivedMessage(L"pipe..r|[$-cmd-$]exit");
    EXPECT_FALSE(requestedExit.stopsServer);
    EXPECT_TRUE(requestedExit.wantsReply);
    EXPECT_EQ(requestedExit.replyPipeName, L"pipe..r");
    EXPECT_EQ(requestedExit.text, L"[$-cmd-$]exit");
    const ReceivedMessage noSeparator = InterpretReceivedMessage(L"pipe..whole");
    EXPECT_TRUE(noSeparator.wantsReply);
    EXPECT_EQ(noSeparator.replyPipeName, L"pipe..whole");
    EXPECT_EQ(noSeparator.text, L"pipe..whole");
    const ReceivedMessage copy = InterpretReceivedMessage(L"pipe..r|&copy here|T|a|b");
    EXPECT_EQ(copy.replyPipeName, L"pipe..r");
    EXPECT_EQ(copy.text, L"&copy here|T|a|b");
    const ReceivedMessage plain = InterpretReceivedMessage(L"&copy here|T|a");
    EXPECT_FALSE(plain.wantsReply);
    EXPECT_EQ(plain.text, L"&copy here|T|a");
}

TEST(PipeMessages, StatusReplyHandlerReadsDad) {
    int dad = 7;
    PipeMessageHandler handler = MakeStatusReplyHandler(dad);
    const auto feed = [&](const std::wstring& text) {
        std::wstring message = text;
        EXPECT_EQ(handler(message), nullptr);
    };
    feed(L"[$-cmd-$]{DAD:1}");
    EXPECT_EQ(dad, 1);
    feed(L"[$-cmd-$]exit");
    EXPECT_EQ(dad, 1); // the end of answers changes nothing
    feed(L"[$-cmd-$]{\"DAD\": 0}");
    EXPECT_EQ(dad, 0);
    feed(L"[$-cmd-$]{DAD:1,other:5}");
    EXPECT_EQ(dad, 1);
    feed(L"[$-cmd-$]not json");
    EXPECT_EQ(dad, 0);
    feed(L"[$-cmd-$]{DA[$-cmd-$]D:1}"); // markers are removed wherever they stand
    EXPECT_EQ(dad, 1);
    feed(L"[$-cmd-$][1,2]");
    EXPECT_EQ(dad, 0);
    std::wstring skip = L"[$-cmd-$]skip";
    EXPECT_EQ(MakeCopyReplyHandler()(skip), nullptr);
}

TEST(PipeMessages, WireIsUtf16LittleEndian) {
    const std::wstring message = L"[$-cmd-$]caf\u00e9 \u20ac";
    const std::string wire = MessageToWire(message);
    EXPECT_EQ(wire.size(), message.size() * 2);
    EXPECT_EQ(wire.substr(0, 4), std::string("[\0$\0", 4));
    EXPECT_EQ(MessageFromWire(wire), message);
    EXPECT_EQ(MessageFromWire(wire + "x"), message); // an odd byte is no character
    const std::string pair("\x3d\xd8\x00\xde", 4);   // U+1F600 as a surrogate pair
    EXPECT_EQ(MessageToWire(MessageFromWire(pair)), pair);
}
