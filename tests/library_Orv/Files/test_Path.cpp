#include "TestEnvironment.h"
#include "library_Orv/Files/Path.h"

#include <gtest/gtest.h>

namespace W = Orv::WindowsPath;
namespace P = Orv::PosixPath;

namespace {
const std::wstring kCwd = L"C:\\work\\dir";
}

TEST(WindowsPathRules, ToLongPath) {
    EXPECT_EQ(W::ToLongPath(L"C:\\a"), L"\\\\?\\C:\\a");
    EXPECT_EQ(W::ToLongPath(L"\\\\srv\\s\\a"), L"\\\\?\\UNC\\srv\\s\\a");
    EXPECT_EQ(W::ToLongPath(L"a\\b"), L"a\\b");
    EXPECT_EQ(W::ToLongPath(L"\\\\?\\C:\\a"), L"\\\\?\\C:\\a");
    EXPECT_EQ(W::ToLongPath(L"\\\\?\\UNC\\srv\\s"), L"\\\\?\\UNC\\srv\\s");
    EXPECT_EQ(W::ToLongPath(L"C:/a/b"), L"\\\\?\\C:/a/b");
}

// Windows takes an extended-length path literally: "." and ".." are resolved before the prefix, never above the
// drive or the share; a network path takes the UNC form.
TEST(WindowsPathRules, ToLongPathResolvesDotsFirst) {
    EXPECT_EQ(W::ToLongPath(L"C:\\a\\.\\b\\..\\c"), L"\\\\?\\C:\\a\\c");
    EXPECT_EQ(W::ToLongPath(L"C:\\a\\..\\..\\c\\"), L"\\\\?\\C:\\c\\");
    EXPECT_EQ(W::ToLongPath(L"\\\\server\\share\\a\\..\\b"), L"\\\\?\\UNC\\server\\share\\b");
    EXPECT_EQ(W::ToLongPath(L"\\\\server\\share\\..\\..\\b"), L"\\\\?\\UNC\\server\\share\\b");
    EXPECT_EQ(W::ToLongPath(L"//server/share/x/./y"), L"\\\\?\\UNC\\server\\share\\x\\y");
    EXPECT_EQ(W::ToLongPath(L"\\\\server\\share\\a..b\\.c"), L"\\\\?\\UNC\\server\\share\\a..b\\.c");
    EXPECT_EQ(W::ToLongPath(L"\\\\?\\C:\\a\\..\\b"), L"\\\\?\\C:\\a\\..\\b"); // already literal
}

TEST(WindowsPathRules, RelativeAndNetwork) {
    for (const wchar_t* absolute : {L"C:\\x", L"\\\\server\\x", L"/x", L"C:/x", L"\\\\?\\C:\\x"})
        EXPECT_FALSE(W::IsRelativePath(absolute)) << absolute;
    for (const wchar_t* relative : {L"x\\y", L"..\\y", L"\\x", L"x"})
        EXPECT_TRUE(W::IsRelativePath(relative)) << relative;
    EXPECT_TRUE(W::IsNetworkPath(L"\\\\server\\share", kCwd));
    EXPECT_TRUE(W::IsNetworkPath(L"//server/share", kCwd));
    EXPECT_TRUE(W::IsNetworkPath(L"\\\\?\\UNC\\server\\share", kCwd));
    EXPECT_FALSE(W::IsNetworkPath(L"C:\\x", kCwd));
    EXPECT_FALSE(W::IsNetworkPath(L"x\\y", kCwd)); // made absolute on drive C: first
    EXPECT_TRUE(W::IsNetworkPath(L"x", L"\\\\server\\share"));
}

TEST(WindowsPathRules, MakeAbsoluteResolvesDots) {
    EXPECT_EQ(W::MakeAbsolute(L"a\\..\\b\\.\\c", kCwd), L"C:\\work\\dir\\b\\c");
    EXPECT_EQ(W::MakeAbsolute(L"..\\..\\..\\x", kCwd), L"C:\\x");
    EXPECT_EQ(W::MakeAbsolute(L"\\root\\f", kCwd), L"C:\\root\\f");
    EXPECT_EQ(W::MakeAbsolute(L"D:\\keep\\..\\as\\is", kCwd), L"D:\\keep\\..\\as\\is");
}

TEST(WindowsPathRules, NormalizeCollapsesBeforeTurningSlashes) {
    EXPECT_EQ(W::NormalizePath(L"C:\\a\\\\b/c", true, false, true, kCwd), L"C:\\a\\b\\c\\");
    EXPECT_EQ(W::NormalizePath(L"C:/a//b", true, false, true, kCwd), L"C:\\a\\\\b\\");
    EXPECT_EQ(W::NormalizePath(L"C:\\a\\", true, false, false, kCwd), L"C:\\a\\");
    EXPECT_EQ(W::NormalizePath(L"", true, false, false, kCwd), L"");
    // Network prefixes survive collapsing.
    EXPECT_EQ(W::NormalizePath(L"\\\\srv\\s\\\\x", false, false, true, kCwd), L"\\\\srv\\s\\x");
    EXPECT_EQ(W::NormalizePath(L"//srv/s/x", true, false, true, kCwd), L"\\\\srv\\s\\x\\");
    EXPECT_EQ(W::NormalizePath(L"\\\\?\\UNC\\srv\\\\s", false, false, true, kCwd), L"\\\\?\\UNC\\srv\\s");
}

TEST(WindowsPathRules, ExpandsSetVariablesOnly) {
    const ScopedTestEnvironment folder("SKV_TEST_FOLDER", "C:\\Temp");
    const ScopedTestEnvironment unset("SKV_TEST_UNSET");
    EXPECT_EQ(W::NormalizePath(L"%SKV_TEST_FOLDER%/SKV/Target/", true, true, false, kCwd), L"C:\\Temp\\SKV\\Target\\");
    EXPECT_EQ(W::NormalizePath(L"%SKV_TEST_UNSET%\\x", false, true, false, kCwd), L"%SKV_TEST_UNSET%\\x");
    EXPECT_EQ(Orv::ExpandEnvironmentReferences(L"100% of %SKV_TEST_FOLDER%"), L"100% of C:\\Temp");
    EXPECT_EQ(Orv::ExpandEnvironmentReferences(L"%%SKV_TEST_FOLDER%%"), L"%C:\\Temp%");
}

TEST(WindowsPathRules, PathJoin) {
    EXPECT_EQ(W::PathJoin(L"C:\\base", L"sub\\f.txt"), L"C:\\base\\sub\\f.txt");
    EXPECT_EQ(W::PathJoin(L"C:\\base", L"D:\\x"), L"D:\\x");
    EXPECT_EQ(W::PathJoin(L"C:\\base\\", L"\\f"), L"C:\\base\\f");
    EXPECT_EQ(W::PathJoin(L"", L"f"), L"f");
    EXPECT_EQ(W::PathJoin(L"C:/base", L"f"), L"C:\\base\\f");
}

TEST(PosixPathRules, SeparatorsAndJoins) {
    const ScopedTestEnvironment folder("SKV_TEST_FOLDER", "/tmp/t");
    EXPECT_EQ(P::NormalizePath(L"%SKV_TEST_FOLDER%/SKV\\Target", true, true, false), L"/tmp/t/SKV/Target/");
    EXPECT_EQ(P::NormalizePath(L"/a//b\\\\c", false, false, true), L"/a/b/c");
    EXPECT_EQ(P::PathJoin(L"/base", L"sub\\f.txt"), L"/base/sub/f.txt");
    EXPECT_EQ(P::PathJoin(L"/base/", L"/abs"), L"/abs");
    EXPECT_TRUE(P::IsRelativePath(L"a/b"));
    EXPECT_FALSE(P::IsRelativePath(L"/a"));
    EXPECT_EQ(P::MakeAbsolute(L"../x/./y", L"/w/d"), L"/w/x/y");
}

TEST(NativePathRules, MatchTheirPlatform) {
    const std::wstring joined = Orv::PathJoin(L"base", L"f");
    EXPECT_EQ(joined, std::wstring(L"base") + Orv::NativeSeparator() + L"f");
    EXPECT_FALSE(Orv::IsRelativePath(Orv::MakeAbsolute(L"x")));
    EXPECT_FALSE(Orv::GetCurrentFolder().empty());
}
