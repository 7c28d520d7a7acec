#pragma once

#include "report/ReportForm.h"

#include <QMap>
#include <QString>

class CheckPass;

// What people read beside a pass's report (never sent): each member's title, and for a row that did not pass its
// cause and fix. The window's report dialog and the runner's saved page show them.
QMap<QString, ReportRowText> ReportRowTextsOf(CheckPass& pass);
