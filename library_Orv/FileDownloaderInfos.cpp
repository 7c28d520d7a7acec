#include "FileDownloaderInfos.h"

namespace Orv {

bool FileDownloaderInfos::SetProgress(float, double) {
    return false;
}

void FileDownloaderInfos::SetUrl(const std::string& url) {
    url_.clear();
    for (size_t i = 0; i < url.size(); ++i) {
        if (url[i] == '\\' && i + 1 < url.size() && url[i + 1] == '/')
            continue; // the slash that follows is kept
        url_ += url[i];
    }
}

} // namespace Orv
