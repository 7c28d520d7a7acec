#include "SingleSignOn.h"

#include "CStringUtilsOrv.h"

#define SECURITY_WIN32
#include <windows.h>
#include <security.h>

#include <cstdio>
#include <vector>

namespace Orv {

struct SingleSignOn::Context {
    std::wstring package;
    std::wstring target;
    CredHandle credentials{};
    CtxtHandle context{};
    bool haveCredentials = false;
    bool haveContext = false;
    bool finished = false;
};

namespace {
std::string StatusText(const char* call, SECURITY_STATUS status) {
    char text[80];
    std::snprintf(text, sizeof text, "%s failed (0x%08lx)", call, static_cast<unsigned long>(status));
    return text;
}
} // namespace

SingleSignOn::SingleSignOn(const std::string& package, const std::string& server) : context_(new Context) {
    context_->package = Utf8ToWString(package);
    // Kerberos (under Negotiate) looks the proxy's service up by this name; NTLM needs none.
    if (package == "Negotiate")
        context_->target = L"HTTP/" + Utf8ToWString(server);
}

SingleSignOn::~SingleSignOn() {
    if (context_->haveContext)
        DeleteSecurityContext(&context_->context);
    if (context_->haveCredentials)
        FreeCredentialsHandle(&context_->credentials);
}

bool SingleSignOn::Available() {
    return true;
}

bool SingleSignOn::Step(const std::string& fromProxy, std::string* toProxy, std::string* error) {
    Context& c = *context_;
    if (c.finished || (c.haveContext && fromProxy.empty())) {
        *error = "the proxy did not accept the session's credentials";
        return false;
    }
    if (!c.haveCredentials) {
        TimeStamp expiry;
        // No identity given: the logged-on user's own.
        const SECURITY_STATUS status =
            AcquireCredentialsHandleW(nullptr, const_cast<wchar_t*>(c.package.c_str()), SECPKG_CRED_OUTBOUND, nullptr,
                                      nullptr, nullptr, nullptr, &c.credentials, &expiry);
        if (status != SEC_E_OK) {
            *error = StatusText("AcquireCredentialsHandle", status);
            return false;
        }
        c.haveCredentials = true;
    }
    SecBuffer inBuffer{static_cast<unsigned long>(fromProxy.size()), SECBUFFER_TOKEN,
                       const_cast<char*>(fromProxy.data())};
    SecBufferDesc inDescription{SECBUFFER_VERSION, 1, &inBuffer};
    std::vector<char> out(16 * 1024);
    SecBuffer outBuffer{static_cast<unsigned long>(out.size()), SECBUFFER_TOKEN, out.data()};
    SecBufferDesc outDescription{SECBUFFER_VERSION, 1, &outBuffer};
    unsigned long attributes = 0;
    TimeStamp expiry;
    SECURITY_STATUS status = InitializeSecurityContextW(
        &c.credentials, c.haveContext ? &c.context : nullptr,
        c.target.empty() ? nullptr : const_cast<wchar_t*>(c.target.c_str()), ISC_REQ_CONNECTION, 0,
        SECURITY_NATIVE_DREP, c.haveContext ? &inDescription : nullptr, 0, &c.context, &outDescription, &attributes,
        &expiry);
    c.haveContext = c.haveContext || status == SEC_E_OK || status == SEC_I_CONTINUE_NEEDED ||
                    status == SEC_I_COMPLETE_NEEDED || status == SEC_I_COMPLETE_AND_CONTINUE;
    if (status == SEC_I_COMPLETE_NEEDED || status == SEC_I_COMPLETE_AND_CONTINUE) {
        const SECURITY_STATUS completed = CompleteAuthToken(&c.context, &outDescription);
        if (completed != SEC_E_OK) {
            *error = StatusText("CompleteAuthToken", completed);
            return false;
        }
        status = status == SEC_I_COMPLETE_NEEDED ? SEC_E_OK : SEC_I_CONTINUE_NEEDED;
    }
    if (status != SEC_E_OK && status != SEC_I_CONTINUE_NEEDED) {
        *error = StatusText("InitializeSecurityContext", status);
        return false;
    }
    c.finished = status == SEC_E_OK;
    toProxy->assign(out.data(), outBuffer.cbBuffer);
    if (toProxy->empty()) {
        *error = "the security package gave no token";
        return false;
    }
    return true;
}

} // namespace Orv
