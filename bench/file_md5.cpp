// Prints FileMD5 of each file named on the command line, like md5sum does.
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"

#include <cstdio>

int main(int argc, char** argv) {
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string digest = Orv::FileMD5(Orv::Utf8ToWString(argv[i]));
        if (digest.empty())
            status = 1;
        std::printf("%s  %s\n", digest.c_str(), argv[i]);
    }
    return status;
}
