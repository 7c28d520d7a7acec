#include "AuthenticodeOpenSsl.h"

#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/FileReader.h"
#include "library_Orv/PosixWorld.h"

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/objects.h>
#include <openssl/pkcs7.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <functional>
#include <iterator>
#include <memory>
#include <mutex>
#include <algorithm>
#include <cstdlib>
#include <sstream>

// Authenticode with OpenSSL: the image digest of the PE file, the PKCS#7 signature over the
// SpcIndirectDataContent that holds it, and the signer's chain to a trusted root (the system's store plus the
// PEM files named by SKV_TRUSTED_ROOTS, separated by ":").
namespace Orv {

namespace {
template <typename T, void (*Free)(T*)> struct Deleter {
    void operator()(T* pointer) const { Free(pointer); }
};
using Pkcs7Ptr = std::unique_ptr<PKCS7, Deleter<PKCS7, PKCS7_free>>;
using BioPtr = std::unique_ptr<BIO, Deleter<BIO, BIO_free_all>>;
using StorePtr = std::unique_ptr<X509_STORE, Deleter<X509_STORE, X509_STORE_free>>;
using StoreContextPtr = std::unique_ptr<X509_STORE_CTX, Deleter<X509_STORE_CTX, X509_STORE_CTX_free>>;
using SigPtr = std::unique_ptr<X509_SIG, Deleter<X509_SIG, X509_SIG_free>>;
using MdContextPtr = std::unique_ptr<EVP_MD_CTX, Deleter<EVP_MD_CTX, EVP_MD_CTX_free>>;

constexpr const char* kSpcIndirectDataOid = "1.3.6.1.4.1.311.2.1.4";

// A DER element's header: where its content starts and how long it is. Bounds-checked; no indefinite lengths.
bool DerElement(const uint8_t* data, size_t size, size_t offset, uint8_t& tag, size_t& contentOffset,
                size_t& contentLength) {
    if (offset + 2 > size)
        return false;
    tag = data[offset];
    size_t at = offset + 1;
    size_t length = data[at++];
    if (length & 0x80) {
        const size_t bytes = length & 0x7F;
        if (bytes == 0 || bytes > 4 || at + bytes > size)
            return false;
        length = 0;
        for (size_t i = 0; i < bytes; ++i)
            length = (length << 8) | data[at++];
    }
    if (length > size - at)
        return false;
    contentOffset = at;
    contentLength = length;
    return true;
}

std::wstring SimpleDisplayName(X509* certificate) {
    X509_NAME* subject = X509_get_subject_name(certificate);
    for (const int nid : {NID_commonName, NID_organizationalUnitName, NID_organizationName, NID_pkcs9_emailAddress}) {
        const int index = X509_NAME_get_index_by_NID(subject, nid, -1);
        if (index < 0)
            continue;
        unsigned char* utf8 = nullptr;
        const int length = ASN1_STRING_to_UTF8(&utf8, X509_NAME_ENTRY_get_data(X509_NAME_get_entry(subject, index)));
        if (length <= 0)
            continue;
        const std::string name(reinterpret_cast<char*>(utf8), static_cast<size_t>(length));
        OPENSSL_free(utf8);
        return Utf8ToWString(name);
    }
    return {};
}

// The system's roots are looked up by subject hash in its certificate folder (SSL_CERT_DIR, else OpenSSL's own),
// one file when a chain needs it. Loading the whole bundle, as X509_STORE_set_default_paths does, parses every
// root (about 30 ms) for a verification that needs one at most; on Debian the folder holds the same roots.
std::string SystemRootFolders() {
    const char* folderVariable = std::getenv(X509_get_default_cert_dir_env());
    return folderVariable && *folderVariable ? folderVariable : X509_get_default_cert_dir();
}

StorePtr NewTrustedStore(const std::string& systemFolders, const std::string& roots) {
    StorePtr store(X509_STORE_new());
    if (!store)
        return store;
    if (X509_LOOKUP* lookup = X509_STORE_add_lookup(store.get(), X509_LOOKUP_hash_dir()))
        X509_LOOKUP_add_dir(lookup, systemFolders.c_str(), X509_FILETYPE_PEM);
    std::istringstream files(roots);
    std::string file;
    while (std::getline(files, file, ':'))
        if (!file.empty() && IsRegularFile(file))
            X509_STORE_load_file(store.get(), file.c_str());
    return store;
}

// The store is built again only when the places its roots come from change. The caller holds a reference of its
// own: a store replaced meanwhile by another thread stays alive until that caller is done with it.
StorePtr TrustedStore() {
    static std::mutex mutex;
    static std::pair<std::string, std::string> builtFor;
    static StorePtr store;
    const std::pair<std::string, std::string> places(SystemRootFolders(), PosixWorldPath(kEnvTrustedRoots, ""));
    std::lock_guard<std::mutex> lock(mutex);
    if (!store || places != builtFor) {
        store = NewTrustedStore(places.first, places.second);
        builtFor = places;
    }
    if (!store || X509_STORE_up_ref(store.get()) != 1)
        return StorePtr();
    return StorePtr(store.get());
}

// The image digest: what feed hands over, in order, through md.
using RangeFeed = std::function<bool(const std::function<void(const uint8_t*, size_t)>& consume)>;
bool DigestOf(const EVP_MD* md, const RangeFeed& feed, std::vector<uint8_t>& digest) {
    MdContextPtr context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), md, nullptr) != 1)
        return false;
    bool updated = true;
    if (!feed([&](const uint8_t* data, size_t size) {
            updated = updated && EVP_DigestUpdate(context.get(), data, size) == 1;
        }) ||
        !updated)
        return false;
    unsigned int size = 0;
    digest.resize(EVP_MAX_MD_SIZE);
    if (EVP_DigestFinal_ex(context.get(), digest.data(), &size) != 1)
        return false;
    digest.resize(size);
    return true;
}

// The signature over the content: with authenticated attributes, their message digest must match the content's
// digest; PKCS7_signatureVerify checks both from a digest BIO that has read the content.
bool SignatureVerifies(PKCS7* p7, PKCS7_SIGNER_INFO* signer, X509* certificate, const uint8_t* content,
                       size_t contentLength) {
    const EVP_MD* md = EVP_get_digestbyobj(signer->digest_alg->algorithm);
    if (!md)
        return false;
    BioPtr chain(BIO_new(BIO_f_md()));
    BIO* memory = BIO_new_mem_buf(content, static_cast<int>(contentLength));
    if (!chain || !memory) {
        BIO_free(memory);
        return false;
    }
    BIO_set_md(chain.get(), md);
    BIO_push(chain.get(), memory);
    char buffer[4096];
    while (BIO_read(chain.get(), buffer, sizeof buffer) > 0) {
    }
    return PKCS7_signatureVerify(chain.get(), p7, signer, certificate) == 1;
}

bool ChainTrusted(PKCS7* p7, X509* certificate) {
    const StorePtr store = TrustedStore();
    StoreContextPtr context(X509_STORE_CTX_new());
    if (!store || !context || X509_STORE_CTX_init(context.get(), store.get(), certificate, p7->d.sign->cert) != 1)
        return false;
    X509_STORE_CTX_set_purpose(context.get(), X509_PURPOSE_ANY);
    return X509_verify_cert(context.get()) == 1;
}

AuthenticodeResult VerifyLayout(const AuthenticodeLayout& layout, const RangeFeed& feed) {
    AuthenticodeResult result;
    if (layout.signature.empty())
        return result;
    const unsigned char* cursor = layout.signature.data();
    Pkcs7Ptr p7(d2i_PKCS7(nullptr, &cursor, static_cast<long>(layout.signature.size())));
    if (!p7 || !PKCS7_type_is_signed(p7.get()) || !p7->d.sign || !p7->d.sign->contents)
        return result;
    STACK_OF(PKCS7_SIGNER_INFO)* signers = PKCS7_get_signer_info(p7.get());
    PKCS7_SIGNER_INFO* signer =
        signers && sk_PKCS7_SIGNER_INFO_num(signers) > 0 ? sk_PKCS7_SIGNER_INFO_value(signers, 0) : nullptr;
    X509* certificate = signer ? PKCS7_cert_from_signer_info(p7.get(), signer) : nullptr;
    if (certificate)
        result.signerName = SimpleDisplayName(certificate);

    // The signed content: an SpcIndirectDataContent, SEQUENCE { SpcAttributeTypeAndOptionalValue, DigestInfo }.
    PKCS7* contents = p7->d.sign->contents;
    char oid[64] = {};
    OBJ_obj2txt(oid, sizeof oid, contents->type, 1);
    if (std::string(oid) != kSpcIndirectDataOid || !contents->d.other || contents->d.other->type != V_ASN1_SEQUENCE ||
        !contents->d.other->value.sequence)
        return result;
    const ASN1_STRING* sequence = contents->d.other->value.sequence;
    const uint8_t* der = ASN1_STRING_get0_data(sequence);
    const size_t derLength = static_cast<size_t>(ASN1_STRING_length(sequence));
    uint8_t tag = 0;
    size_t contentOffset = 0, contentLength = 0, firstOffset = 0, firstLength = 0, infoOffset = 0, infoLength = 0;
    if (!DerElement(der, derLength, 0, tag, contentOffset, contentLength) || tag != 0x30 ||
        !DerElement(der, contentOffset + contentLength, contentOffset, tag, firstOffset, firstLength) ||
        !DerElement(der, contentOffset + contentLength, firstOffset + firstLength, tag, infoOffset, infoLength) ||
        tag != 0x30)
        return result;
    const size_t digestInfoStart = firstOffset + firstLength;
    const unsigned char* infoCursor = der + digestInfoStart;
    SigPtr digestInfo(d2i_X509_SIG(nullptr, &infoCursor, static_cast<long>(infoOffset + infoLength - digestInfoStart)));
    if (!digestInfo)
        return result;
    const X509_ALGOR* algorithm = nullptr;
    const ASN1_OCTET_STRING* signedDigest = nullptr;
    X509_SIG_get0(digestInfo.get(), &algorithm, &signedDigest);
    const EVP_MD* md = algorithm ? EVP_get_digestbyobj(algorithm->algorithm) : nullptr;
    std::vector<uint8_t> digest;
    if (md && signedDigest && DigestOf(md, feed, digest))
        result.digestMatches = digest.size() == static_cast<size_t>(ASN1_STRING_length(signedDigest)) &&
                               std::equal(digest.begin(), digest.end(), ASN1_STRING_get0_data(signedDigest));

    // Authenticode signs the content of the SEQUENCE, without its tag and length.
    if (signer && certificate)
        result.signatureValid = SignatureVerifies(p7.get(), signer, certificate, der + contentOffset, contentLength);
    if (certificate)
        result.chainTrusted = ChainTrusted(p7.get(), certificate);
    return result;
}

} // namespace

AuthenticodeResult VerifyAuthenticode(const uint8_t* data, size_t size) {
    AuthenticodeLayout layout;
    if (!ReadAuthenticodeLayout(data, size, layout))
        return AuthenticodeResult();
    return VerifyLayout(layout, [&](const std::function<void(const uint8_t*, size_t)>& consume) {
        for (const auto& [offset, length] : layout.hashedRanges)
            if (length > 0)
                consume(data + offset, length);
        return true;
    });
}

// The file is read in pieces as it is digested: an installer of hundreds of megabytes is never held whole.
SignatureInspection InspectFileSignature(const std::wstring& path) {
    SignatureInspection inspection;
    // A file that is there but cannot be opened is unreadable; a missing one is just unsigned.
    if (!OpenFileReader(path)) {
        inspection.readable = !FileExists(path);
        return inspection;
    }
    AuthenticodeLayout layout;
    if (!ReadAuthenticodeLayoutOfFile(path, layout))
        return inspection;
    const AuthenticodeResult result =
        VerifyLayout(layout, [&](const std::function<void(const uint8_t*, size_t)>& consume) {
            return DigestOfFileRanges(path, layout, consume);
        });
    inspection.verified = result.Signed();
    inspection.signerName = result.signerName;
    return inspection;
}

} // namespace Orv
