#pragma once

#include "library_Orv/Error.h"

#include <string>
#include <vector>

// Records every report made while it exists: handlers for all four levels and the message-box presenter, so that
// no test ever shows (and waits on) a message box.
class ErrorRecorder : public Orv::IErrorHandler {
public:
    struct Report {
        std::wstring header;
        std::wstring message;
        Orv::ErrorLevel level;
    };
    struct Box {
        std::string text;
        std::string caption;
        unsigned style;
    };

    // With handlers, reports go to Handle; without, they reach the presenter (the message-box path).
    explicit ErrorRecorder(bool installHandlers = true);
    ~ErrorRecorder() override;

    void Handle(const std::wstring& header, const std::wstring& message, Orv::ErrorLevel& level) override;

    std::vector<Report> reports;
    static std::vector<Box>& Boxes();

private:
    Orv::MessageBoxPresenter previousPresenter_;
};
