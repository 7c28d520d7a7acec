// Files that the world names but that are not regular files: a FIFO (which blocks a plain open for ever) or a
// folder in their place. Every reader must give its failure at once.
#include "FifoProbe.h"
#include "TempFolder.h"
#include "TestEnvironment.h"
#include "library_Orv/Pe/Authenticode.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Desktop.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/PosixWorld.h"
#include "library_Orv/Registry.h"
#include "library_Orv/WinUtils.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

using namespace Orv;

namespace {
void ExpectPromptWithFifo(const std::string& path, const std::function<void()>& read) {
    EXPECT_TRUE(ReadsFifoPromptly(path, read)) << "reading " << path << " waited on the FIFO";
}
} // namespace

TEST(HostileFiles, FifoInPlaceOfAFileReadByTheChecks) {
    TempFolder temp;
    const std::string fifo = WStringToUtf8(temp / L"fifo");
    const std::wstring wideFifo = temp / L"fifo";
    ExpectPromptWithFifo(fifo, [&] { EXPECT_TRUE(ReadFileBytes(wideFifo).empty()); });
    ExpectPromptWithFifo(fifo, [&] { EXPECT_EQ(FileMD5(wideFifo), ""); });
    ExpectPromptWithFifo(fifo, [&] { EXPECT_FALSE(IsFileSigned(wideFifo)); });
    ExpectPromptWithFifo(fifo, [&] { EXPECT_EQ(GetFileVersionText(wideFifo), L"Dev"); });
}

TEST(HostileFiles, FifoInPlaceOfTheWorldsFiles) {
    TempFolder temp;
    const std::string fifo = WStringToUtf8(temp / L"world");
    {
        const ScopedTestEnvironment registry(kEnvRegistryFile, fifo);
        ExpectPromptWithFifo(fifo, [] { EXPECT_FALSE(RegistryKeyExists(RegistryRoot::LocalMachine, L"SOFTWARE")); });
    }
    {
        const ScopedTestEnvironment osRelease(kEnvOsRelease, fifo);
        ExpectPromptWithFifo(fifo, [] { QueryOSCaptionText(); });
    }
    // The trusted roots are read when a signature's chain is checked: a signed file, beside this test.
    const std::wstring own = OwnExecutablePath();
    const std::wstring signedFile = own.substr(0, own.find_last_of(L'/') + 1) + L"signing/signed.dll";
    ASSERT_TRUE(FileExists(signedFile));
    const ScopedTestEnvironment roots(kEnvTrustedRoots, fifo);
    ExpectPromptWithFifo(fifo, [&] { EXPECT_FALSE(IsFileSigned(signedFile)); });
}

TEST(HostileFiles, FolderInPlaceOfTheRegistryIsAnEmptyRegistry) {
    TempFolder temp;
    const std::wstring folder = temp / L"registry.reg";
    ASSERT_TRUE(CreateDirectories(folder));
    const ScopedTestEnvironment registry(kEnvRegistryFile, WStringToUtf8(folder));
    RegistryValue value;
    EXPECT_FALSE(ReadRegistryValue(RegistryRoot::LocalMachine, L"SOFTWARE", L"x", value));
    EXPECT_FALSE(RegistryKeyExists(RegistryRoot::ClassesRoot, L"CLSID"));
}

// A pass makes dozens of queries: the file is parsed once per change, and a change made at once after a query,
// of the same size, is still seen.
TEST(HostileFiles, RegistryChangesAreSeenAtOnce) {
    TempFolder temp;
    const std::wstring file = temp / L"registry.reg";
    const ScopedTestEnvironment registry(kEnvRegistryFile, WStringToUtf8(file));
    const auto write = [&](const char* model) {
        ASSERT_TRUE(WriteTextFile(file, std::string("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CLASSES_ROOT\\"
                                                    "CLSID\\{X}\\InprocServer32]\r\n\"ThreadingModel\"=\"") +
                                            model + "\"\r\n"));
    };
    RegistryValue value;
    write("Both");
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::ClassesRoot, L"CLSID\\{X}\\InprocServer32", L"ThreadingModel", value));
    EXPECT_EQ(value.text, L"Both");
    write("Free");
    ASSERT_TRUE(ReadRegistryValue(RegistryRoot::ClassesRoot, L"CLSID\\{X}\\InprocServer32", L"ThreadingModel", value));
    EXPECT_EQ(value.text, L"Free");
    ASSERT_TRUE(DeleteOneFile(file));
    EXPECT_FALSE(RegistryKeyExists(RegistryRoot::ClassesRoot, L"CLSID\\{X}"));
}
