#include "TrustedRoot.h"

#include "TestEnvironment.h"
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/PosixWorld.h"

bool TrustTestRoot(const std::wstring& pemPath) {
    SetTestEnvironment(Orv::kEnvTrustedRoots, Orv::WStringToUtf8(pemPath));
    return true;
}
