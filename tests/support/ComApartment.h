#pragma once

// Initialises COM on the calling thread for its lifetime, as the GUI thread has it in the application (Windows);
// nothing elsewhere.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    // Whether COM is initialised on the calling thread (never, where there is no COM).
    static bool IsInitializedOnThisThread();

private:
    bool initialized_ = false;
};
