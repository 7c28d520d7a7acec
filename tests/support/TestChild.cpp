// A small program that tests start: it does what its arguments say, in order.
//   --write-cwd FILE   writes the current folder into FILE
//   --write-pid FILE   writes its process id into FILE
//   --print TEXT       prints TEXT and a line end on standard output
//   --sleep MS         sleeps
//   --exit CODE        exits with CODE
//   --args FILE        writes each of the remaining arguments on a line of FILE, between brackets
//   --print-folders FILE  writes its application folder, portable flag, data folder and the local data folder
//                      of maker "M" and product "P", a line each
#include "library_Orv/CStringUtilsOrv.h"
#include "library_Orv/Files/File.h"
#include "library_Orv/Files/Folders.h"
#include "library_Orv/Files/Path.h"
#include "library_Orv/Processes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (option == "--write-cwd") {
            Orv::WriteWideTextFile(Orv::Utf8ToWString(value), Orv::GetCurrentFolder());
            ++i;
        } else if (option == "--write-pid") {
            Orv::WriteTextFile(Orv::Utf8ToWString(value), std::to_string(Orv::CurrentProcessId()));
            ++i;
        } else if (option == "--print") {
            std::printf("%s\n", value.c_str());
            std::fflush(stdout);
            ++i;
        } else if (option == "--sleep") {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(value.c_str())));
            ++i;
        } else if (option == "--exit") {
            return std::atoi(value.c_str());
        } else if (option == "--print-folders") {
            const std::wstring lines = Orv::GetApplicationFolder() + L"\n" + (Orv::IsPortable() ? L"1" : L"0") + L"\n" +
                                       Orv::GetDataFolder() + L"\n" + Orv::GetLocalDataFolder(L"M", L"P") + L"\n";
            Orv::WriteWideTextFile(Orv::Utf8ToWString(value), lines);
            ++i;
        } else if (option == "--args") {
            std::string lines;
            for (int k = i + 2; k < argc; ++k)
                lines += "[" + std::string(argv[k]) + "]\n";
            Orv::WriteTextFile(Orv::Utf8ToWString(value), lines);
            return 0;
        }
    }
    return 0;
}
