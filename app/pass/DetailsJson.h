#pragma once

#include "CheckRows.h"

#include <QByteArray>
#include <QDateTime>
#include <QMap>
#include <QString>

class CheckPass;

// What one run of the console runner found, for `--details-json`: strict JSON of the shape
// data/skorvane-diagnostics.schema.json describes ("skorvane-diagnostics/1").
struct RunDetails {
    QString mode; // "check", "fix" or "observe"
    QDateTime started;
    qint64 durationMs = 0;
    QMap<QString, QString> facts; // the rows' texts the report does not keep (architecture, versions), by label
};
QByteArray DetailsJson(const CheckPass& pass, const RunDetails& run);

// The runner's exit code for a pass's results: 0 when every row passed (skipped rows do not count), 1 otherwise.
int PassExitCode(const QMap<QString, CheckResult>& results);
