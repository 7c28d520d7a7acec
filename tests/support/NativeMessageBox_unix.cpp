#include "NativeMessageBox.h"

NativeMessageBoxAnswerer::NativeMessageBoxAnswerer(const std::string&, int) {}

NativeMessageBoxAnswerer::~NativeMessageBoxAnswerer() = default;

bool NativeMessageBoxAnswerer::Answered() {
    return false;
}

void NativeMessageBoxAnswerer::Watch(const std::string&, int) {}
