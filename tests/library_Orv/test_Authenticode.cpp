#include "TempFolder.h"
#include "TestEnvironment.h"
#include "TrustedRoot.h"
#include "Wine.h"
#include "library_Orv/Pe/Authenticode.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/PosixWorld.h"

#include <openssl/pem.h>
#include <openssl/x509.h>

#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#endif

using namespace Orv;

// signing/ beside this test holds the stand-in shell extension unsigned, signed by QUELLANOR and by OTHERSIGNER
// under a test root, and tampered after signing (standin/make-signed-dll.sh).
namespace {
std::wstring Signed(const wchar_t* name) {
    return GetApplicationFolder() + L"signing/" + name;
}
} // namespace

class Authenticode : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(TrustTestRoot(Signed(L"certs/root.pem"))); }
};

TEST_F(Authenticode, SignedFileVerifiesAndNamesItsSigner) {
    ASSERT_TRUE(FileExists(Signed(L"signed.dll")));
    EXPECT_TRUE(IsFileSigned(Signed(L"signed.dll")));
    EXPECT_EQ(GetSignerName(Signed(L"signed.dll")), L"QUELLANOR");
    const SignatureInspection inspection = InspectFileSignature(Signed(L"signed.dll"));
    EXPECT_TRUE(inspection.verified);
    EXPECT_EQ(inspection.signerName, L"QUELLANOR");
}

TEST_F(Authenticode, UnsignedFileHasNeither) {
    EXPECT_FALSE(IsFileSigned(Signed(L"unsigned.dll")));
    EXPECT_EQ(GetSignerName(Signed(L"unsigned.dll")), L"");
    EXPECT_FALSE(IsFileSigned(Signed(L"missing.dll")));
    EXPECT_EQ(GetSignerName(Signed(L"missing.dll")), L"");
}

TEST_F(Authenticode, TamperedFileFailsButKeepsItsSigner) {
    EXPECT_FALSE(IsFileSigned(Signed(L"tampered.dll")));
    const SignatureInspection inspection = InspectFileSignature(Signed(L"tampered.dll"));
    EXPECT_FALSE(inspection.verified);
    if (RunningUnderWine())
        GTEST_SKIP() << "Wine's WinVerifyTrust keeps no signer data after a digest mismatch; Windows does";
    EXPECT_EQ(GetSignerName(Signed(L"tampered.dll")), L"QUELLANOR");
    EXPECT_EQ(inspection.signerName, L"QUELLANOR");
}

TEST_F(Authenticode, AnotherSignerStillVerifies) {
    const SignatureInspection inspection = InspectFileSignature(Signed(L"other.dll"));
    EXPECT_TRUE(inspection.verified);
    EXPECT_EQ(inspection.signerName, L"OTHERSIGNER");
}

#ifndef _WIN32
// A root in the system's certificate folder is found there by its subject hash (the name c_rehash gives it),
// without SKV_TRUSTED_ROOTS; a folder without it trusts nothing.
TEST(AuthenticodeSystemRoots, RootInTheCertificateFolderIsTrusted) {
    const std::string rootPem = WStringToUtf8(Signed(L"certs/root.pem"));
    FILE* file = std::fopen(rootPem.c_str(), "r");
    ASSERT_NE(file, nullptr);
    X509* root = PEM_read_X509(file, nullptr, nullptr, nullptr);
    std::fclose(file);
    ASSERT_NE(root, nullptr);
    char hashName[16];
    std::snprintf(hashName, sizeof hashName, "%08lx.0", X509_subject_name_hash(root));
    X509_free(root);

    TempFolder withRoot, withoutRoot;
    ASSERT_TRUE(CopyOneFile(Signed(L"certs/root.pem"), withRoot / Utf8ToWString(hashName)));
    const ScopedTestEnvironment noTestRoots(kEnvTrustedRoots);
    {
        const ScopedTestEnvironment folder(X509_get_default_cert_dir_env(), WStringToUtf8(withoutRoot.Path()));
        EXPECT_FALSE(IsFileSigned(Signed(L"signed.dll")));
    }
    const ScopedTestEnvironment folder(X509_get_default_cert_dir_env(), WStringToUtf8(withRoot.Path()));
    EXPECT_TRUE(IsFileSigned(Signed(L"signed.dll")));
}
#endif

TEST_F(Authenticode, SignedStandInProduct) {
    if (!FileExists(Signed(L"Skorvane.exe")))
        GTEST_SKIP() << "the stand-in product is an ELF program here and cannot carry an Authenticode signature";
    EXPECT_TRUE(IsFileSigned(Signed(L"Skorvane.exe")));
    EXPECT_EQ(GetSignerName(Signed(L"Skorvane.exe")), L"QUELLANOR");
}

// A certificate table entry of another kind (type 1, X.509), or signed data that is not PKCS#7, is no signature:
// reported unsigned, and never handed to a verifier it could take down.
TEST_F(Authenticode, ATableEntryThatIsNoSignedDataIsUnsigned) {
    std::vector<uint8_t> bytes = ReadFileBytes(Signed(L"signed.dll"));
    AuthenticodeLayout layout;
    ASSERT_TRUE(ReadAuthenticodeLayout(bytes.data(), bytes.size(), layout));
    const size_t table = layout.hashedRanges[2].first + layout.hashedRanges[2].second;
    EXPECT_TRUE(HoldsOnlySignedDataCertificates(Signed(L"signed.dll")));
    EXPECT_FALSE(HoldsOnlySignedDataCertificates(Signed(L"unsigned.dll")));
    TempFolder temp;
    for (const size_t offset : {table + 6, table + 8 + 6}) { // the entry's type; a byte of the content type
        std::vector<uint8_t> changed = bytes;
        changed[offset] ^= 3;
        const std::wstring path = temp / L"changed.dll";
        ASSERT_TRUE(WriteBinaryFile(path, changed));
        EXPECT_FALSE(HoldsOnlySignedDataCertificates(path));
        const SignatureInspection inspection = InspectFileSignature(path);
        EXPECT_FALSE(inspection.verified);
        EXPECT_EQ(inspection.signerName, L"");
    }
}

#ifndef _WIN32
// A file of hundreds of megabytes is digested in pieces: the peak memory grows by far less than its size.
TEST_F(Authenticode, ALargeFileIsNeverHeldWhole) {
    TempFolder temp;
    const std::wstring large = temp / L"large.exe";
    ASSERT_TRUE(CopyOneFile(Signed(L"unsigned.dll"), large));
    constexpr uintmax_t kSize = 300u << 20;
    std::filesystem::resize_file(WStringToUtf8(large), kSize); // sparse: quick to make, read as zeros
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const SignatureInspection inspection = InspectFileSignature(large);
    EXPECT_FALSE(inspection.verified);
    EXPECT_TRUE(inspection.readable);
    AuthenticodeLayout layout;
    ASSERT_TRUE(ReadAuthenticodeLayoutOfFile(large, layout));
    size_t hashed = 0;
    ASSERT_TRUE(DigestOfFileRanges(large, layout, [&](const uint8_t*, size_t size) { hashed += size; }));
    EXPECT_GT(hashed, static_cast<size_t>(kSize - (1u << 20)));
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const long grownKiB = after.ru_maxrss - before.ru_maxrss;
    EXPECT_LT(grownKiB, 64 * 1024) << "the peak resident size grew by " << grownKiB << " KiB";
}
#endif

TEST_F(Authenticode, AnotherSigner) {
    EXPECT_EQ(GetSignerName(Signed(L"other.dll")), L"OTHERSIGNER");
}

TEST(AuthenticodeLayoutReader, RangesSkipChecksumDirectoryEntryAndTable) {
    const std::vector<uint8_t> bytes = ReadFileBytes(Signed(L"signed.dll"));
    ASSERT_FALSE(bytes.empty());
    AuthenticodeLayout layout;
    ASSERT_TRUE(ReadAuthenticodeLayout(bytes.data(), bytes.size(), layout));
    EXPECT_FALSE(layout.signature.empty());
    EXPECT_EQ(layout.signature[0], 0x30); // a DER SEQUENCE
    ASSERT_GE(layout.hashedRanges.size(), 3u);
    size_t hashed = 0;
    for (const auto& range : layout.hashedRanges)
        hashed += range.second;
    EXPECT_EQ(hashed + 4 + 8 + layout.signature.size() + 8, bytes.size()); // table: one entry, no padding
    // Truncated images never read past their end.
    for (size_t size = 0; size < bytes.size(); size += 211) {
        std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        AuthenticodeLayout partial;
        if (!ReadAuthenticodeLayout(prefix.data(), prefix.size(), partial))
            continue;
        for (const auto& range : partial.hashedRanges)
            EXPECT_LE(range.first + range.second, prefix.size());
    }
}
