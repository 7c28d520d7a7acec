#pragma once

#include "library_Orv/BaseClass.h"

#include <cstdint>
#include <string>

namespace Orv {

// One download job, without Qt: where the file goes, where it comes from, the digest it must have, and how it
// ended. Progress goes through SetProgress, whose answer asks for the download to be cancelled.
class FileDownloaderInfos : public BaseClassVirtualNonCopyable {
public:
    // true asks for the download to be cancelled.
    virtual bool SetProgress(float percentage, double curtime);

    // Stores the URL with every "\/" (the JSON escape of a slash) made a plain "/".
    void SetUrl(const std::string& url);
    const std::string& Url() const { return url_; }

    bool success = false;                  // the file was saved and, when a digest was given, it matched
    bool error = false;                    // the network reply reported an error
    std::string destination;               // UTF-8
    std::string expectedMd5;               // 32 lower-case hexadecimal digits, or empty for no check
    int64_t maxBytes = int64_t(512) << 20; // a larger file is a failure, stopped as soon as it is known
    int stallMs = 60000;                   // this long without a byte coming in is a failure
    int64_t minimumBytes = 1024;           // and fewer bytes than this in that long, too

private:
    std::string url_;
};

} // namespace Orv
