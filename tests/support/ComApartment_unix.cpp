#include "ComApartment.h"

ComApartment::ComApartment() = default;

ComApartment::~ComApartment() = default;

bool ComApartment::IsInitializedOnThisThread() {
    return false;
}
