#pragma once

// Names the tool gives itself (Qt's settings and folders are named after them).
inline constexpr const char* kApplicationName = "SkorvaneDiagnostics";
inline constexpr const char* kOrganisationName = "Brindlecote";
inline constexpr const char* kOrganisationDomain = "brindlecote.example";
inline constexpr const char* kApplicationVersion = "1.3.0";
