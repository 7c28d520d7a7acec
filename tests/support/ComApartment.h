#pragma once

// Initialises COM on the calling thread for its lifetime, as the GUI thread has it in the application (Windows);
// nothing elsewhere.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_ = false;
};
