#pragma once

#include <QCoreApplication>
#include <QString>

// Whether a downloaded installer may run: a valid Authenticode signature by "QUELLANOR", checked as the
// installation rows check the product. On POSIX a file that is no PE image cannot carry a signature: it is refused
// as an unsigned one, unless the stand-in world asks for its stand-in installer (an ELF program) to run
// (SKV_STANDIN_INSTALLER=1, exported by standin/sandbox.sh); the check is then skipped, with a line on the error
// stream saying so.
struct InstallerVerdict {
    Q_DECLARE_TR_FUNCTIONS(InstallerVerdict)

public:
    enum Kind { Signed, NotSigned, SignatureBroken, OtherSigner, Skipped } kind = NotSigned;
    QString signer;
    bool MayRun() const { return kind == Signed || kind == Skipped; }
    // In plain words, for the box that refuses it.
    QString Explanation() const;
};

InstallerVerdict CheckInstaller(const QString& path);
constexpr const char* kInstallerSigner = "QUELLANOR";
