#include "ComApartment.h"

#include <windows.h>
#include <objbase.h>

ComApartment::ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComApartment::~ComApartment() {
    if (initialized_)
        CoUninitialize();
}

bool ComApartment::IsInitializedOnThisThread() {
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    return CoGetApartmentType(&type, &qualifier) != CO_E_NOTINITIALIZED;
}
