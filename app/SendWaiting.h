#pragma once

#include <cstdio>

// `SkorvaneDiagnosticsCli --send-waiting`: sends what waits in the outbox, as the window does at its start, and
// prints what came of each report (JSON, or a table with --text) on out. 0 when the outbox is empty afterwards.
int SendWaitingReports(bool text, std::FILE* out);
