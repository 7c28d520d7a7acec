// Feeds arbitrary bytes to the POSIX Authenticode verifier: the PE layout reader, the certificate table walk, the
// PKCS#7 parse and the SpcIndirectDataContent reader all see hostile input.
#include "library_Orv/Pe/AuthenticodeOpenSsl.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> copy(data, data + size);
    const Orv::AuthenticodeResult result = Orv::VerifyAuthenticode(copy.data(), copy.size());
    (void)result.Signed();
    return 0;
}
