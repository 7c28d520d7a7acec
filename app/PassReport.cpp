#include "PassReport.h"

#include "pass/CheckPass.h"

QMap<QString, ReportRowText> ReportRowTextsOf(CheckPass& pass) {
    QMap<QString, ReportRowText> texts;
    for (Orv::JsonNode* member : pass.ReportDocument().Children()) {
        const QString key = QString::fromStdString(member->Name());
        texts[key].title = CheckRows::Title(key);
    }
    for (const CheckExplanation& explanation : pass.Explanations()) {
        texts[explanation.row].cause = explanation.cause;
        texts[explanation.row].fix = explanation.fix;
    }
    return texts;
}
