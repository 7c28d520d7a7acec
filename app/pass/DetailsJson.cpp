#include "DetailsJson.h"

#include "app/ApplicationNames.h"
#include "CheckPass.h"

#include "library_Orv/Machine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

namespace {
QString ButtonText(CheckExplanation::Button button) {
    switch (button) {
    case CheckExplanation::Button::FixAndCheck:
        return QStringLiteral("Fix and check again");
    case CheckExplanation::Button::DownloadAndInstall:
        return QStringLiteral("Download and install Skorvane");
    case CheckExplanation::Button::Activate:
        return QStringLiteral("Activate");
    case CheckExplanation::Button::None:
        break;
    }
    return QString();
}
} // namespace

int PassExitCode(const QMap<QString, CheckResult>& results) {
    for (const QString& row : CheckRows::Checks()) {
        const CheckResult result = results.value(row, CheckResult::Unknown);
        if (result != CheckResult::Passed && result != CheckResult::Skipped)
            return 1;
    }
    return 0;
}

QByteArray DetailsJson(const CheckPass& pass, const RunDetails& run) {
    QJsonArray rows;
    for (const QString& key : CheckRows::Checks()) {
        const CheckResult result = pass.Results().value(key, CheckResult::Unknown);
        QJsonObject row{{QStringLiteral("key"), key},
                        {QStringLiteral("title"), CheckRows::Title(key)},
                        {QStringLiteral("result"), CheckRows::Word(result)}};
        for (const CheckExplanation& explanation : pass.Explanations())
            if (explanation.row == key) {
                row[QStringLiteral("cause")] = explanation.cause;
                row[QStringLiteral("fix")] = explanation.fix;
                if (const QString button = ButtonText(explanation.button); !button.isEmpty())
                    row[QStringLiteral("button")] = button;
            }
        rows.append(row);
    }
    QJsonObject facts;
    for (auto fact = run.facts.begin(); fact != run.facts.end(); ++fact)
        facts[fact.key()] = fact.value();
    const Orv::MachineInfo machine = Orv::GetMachineInfo();
    const QJsonObject document{
        {QStringLiteral("schema"), QStringLiteral("skorvane-diagnostics/1")},
        {QStringLiteral("tool"), QJsonObject{{QStringLiteral("name"), QString::fromLatin1(kApplicationName)},
                                             {QStringLiteral("version"), QString::fromLatin1(kApplicationVersion)}}},
        {QStringLiteral("machine"),
         QJsonObject{{QStringLiteral("windows"), run.facts.value(QStringLiteral("labelWindowsVersion"))},
                     {QStringLiteral("architecture"), QSysInfo::currentCpuArchitecture()},
                     {QStringLiteral("windows64"), machine.wow64 || !machine.nativeIntel32}}},
        {QStringLiteral("mode"), run.mode},
        {QStringLiteral("started"), run.started.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("durationMs"), run.durationMs},
        {QStringLiteral("passed"), PassExitCode(pass.Results()) == 0},
        {QStringLiteral("rows"), rows},
        {QStringLiteral("facts"), facts}};
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}
