#pragma once

// Every environment variable the program reads, by name. The SKV_ ones point it at a world of its own (tests, the
// sandbox, support staff); docs/posix-world.md says what each does.
namespace Orv {

// The maker's web site (an https:// address) in place of the configured one.
constexpr const char* kEnvSiteUrl = "SKV_SITE_URL";
// The stand-in installer of the sandbox is let through the installer gate ("1").
constexpr const char* kEnvStandinInstaller = "SKV_STANDIN_INSTALLER";
// The window saves a picture of itself to this file after its first pass, and quits.
constexpr const char* kEnvScreenshotAndQuit = "SKV_SCREENSHOT_AND_QUIT";
// Set: the splash prints the time to its first paint.
constexpr const char* kEnvSplashTiming = "SKV_SPLASH_TIMING";
// A regedit export ("Windows Registry Editor Version 5.00") that stands for the registry.
constexpr const char* kEnvRegistryFile = "SKV_REGISTRY_FILE";
// PEM files of roots that Authenticode verification and HTTPS trust besides the system's, separated by ":" (";" on
// Windows).
constexpr const char* kEnvTrustedRoots = "SKV_TRUSTED_ROOTS";
// The file read for the operating-system caption (os-release format).
constexpr const char* kEnvOsRelease = "SKV_OS_RELEASE";
// The mount table and the sysfs root read to classify drives.
constexpr const char* kEnvMountsFile = "SKV_MOUNTS_FILE";
constexpr const char* kEnvSysfsRoot = "SKV_SYSFS_ROOT";
// The user's temporary folder; without it, a folder of the user's own (see GetTempFolder).
constexpr const char* kEnvTemp = "TEMP";
// XDG base directories: the roaming, local and all-users data folders.
constexpr const char* kEnvXdgConfigHome = "XDG_CONFIG_HOME";
constexpr const char* kEnvXdgDataHome = "XDG_DATA_HOME";
constexpr const char* kEnvXdgDataDirs = "XDG_DATA_DIRS";
constexpr const char* kEnvXdgCacheHome = "XDG_CACHE_HOME";
constexpr const char* kEnvXdgRuntimeDir = "XDG_RUNTIME_DIR";
// The proxy of the transfers with the maker's site on POSIX (lower case first, as most programs read them), and the
// names that bypass it.
constexpr const char* kEnvHttpsProxy[] = {"https_proxy", "HTTPS_PROXY"};
constexpr const char* kEnvNoProxy[] = {"no_proxy", "NO_PROXY"};
// The folder that holds one socket file per named pipe (default: a folder of the user's own).
constexpr const char* kEnvPipeFolder = "SKV_PIPE_FOLDER";

} // namespace Orv
