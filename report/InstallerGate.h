#pragma once

#include <QString>

// Whether a downloaded installer may run: a valid Authenticode signature by "QUELLANOR", checked as the
// installation rows check the product. On POSIX a file that is no PE image (the stand-in installer is an ELF
// program) cannot carry a signature: the check is skipped there, with a line on the error stream saying so.
struct InstallerVerdict {
    enum Kind { Signed, NotSigned, SignatureBroken, OtherSigner, Skipped } kind = NotSigned;
    QString signer;
    bool MayRun() const { return kind == Signed || kind == Skipped; }
    // In plain words, for the box that refuses it.
    QString Explanation() const;
};

InstallerVerdict CheckInstaller(const QString& path);
constexpr const char* kInstallerSigner = "QUELLANOR";
