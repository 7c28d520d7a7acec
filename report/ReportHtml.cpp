#include "ReportHtml.h"
#include "ReportOutbox.h"

#include "app/pass/CheckRows.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPair>
#include <QRegularExpression>
#include <QVector>

#include <algorithm>

namespace {
// The report's members as (name, value), in the order the text holds them: QJsonObject sorts its keys.
QVector<QPair<QString, QString>> OrderedMembers(const QString& reportText) {
    const QJsonObject report = QJsonDocument::fromJson(reportText.toUtf8()).object();
    QStringList keys = report.keys();
    std::sort(keys.begin(), keys.end(), [&](const QString& a, const QString& b) {
        return reportText.indexOf(QLatin1Char('"') + a + QLatin1String("\":")) <
               reportText.indexOf(QLatin1Char('"') + b + QLatin1String("\":"));
    });
    QVector<QPair<QString, QString>> members;
    for (const QString& key : keys)
        members.append({key, report.value(key).toString()});
    return members;
}

// A result's word; a text member's text as it is.
QString ResultWord(const QString& value) {
    CheckResult result = CheckResult::Unknown;
    return CheckRows::FromReportValue(value, &result) ? CheckRows::TranslatedWord(result) : value;
}

// A result's cell says its word, in its class; a text member's cell says the text.
QString ResultCell(const QString& value) {
    CheckResult result = CheckResult::Unknown;
    const QString kind = !CheckRows::FromReportValue(value, &result) ? QStringLiteral("text")
                         : result == CheckResult::Passed             ? QStringLiteral("pass")
                         : result == CheckResult::Failed             ? QStringLiteral("fail")
                                                                     : QStringLiteral("unknown");
    return QStringLiteral("<td class=\"%1\">%2</td>")
        .arg(kind, ResultWord(value).toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>")));
}
// The page's own words, in the user's language.
QString Say(const char* text) {
    return QCoreApplication::translate("ReportHtml", text);
}
} // namespace

// Walks the text once, so that the members keep their order and their strings stay exactly as sent.
QString IndentedReportJson(const QString& json) {
    if (QJsonDocument::fromJson(json.toUtf8()).isNull())
        return json;
    QString out;
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    const auto newLine = [&]() { out += QLatin1Char('\n') + QString(depth * 4, QLatin1Char(' ')); };
    for (const QChar c : json) {
        if (inString) {
            out += c;
            if (escaped)
                escaped = false;
            else if (c == QLatin1Char('\\'))
                escaped = true;
            else if (c == QLatin1Char('"'))
                inString = false;
            continue;
        }
        if (c == QLatin1Char('"')) {
            inString = true;
            escaped = false;
            out += c;
        } else if (c == QLatin1Char('{') || c == QLatin1Char('[')) {
            out += c;
            ++depth;
            newLine();
        } else if (c == QLatin1Char('}') || c == QLatin1Char(']')) {
            --depth;
            newLine();
            out += c;
        } else if (c == QLatin1Char(',')) {
            out += c;
            newLine();
        } else if (c == QLatin1Char(':')) {
            out += QLatin1String(": ");
        } else if (!c.isSpace()) {
            out += c;
        }
    }
    return out;
}

QString ReportHtml(const ReportFields& fields, const QByteArray& screenshot) {
    QString rows;
    // Each row by the title the window shows; the JSON block below keeps the members' own names.
    for (const auto& [key, value] : OrderedMembers(fields.reportText)) {
        const ReportRowText text = fields.rowTexts.value(key);
        const QString whatToDo = text.cause.isEmpty()
                                     ? QString()
                                     : QStringLiteral("%1<br><b>%2</b> %3")
                                           .arg(text.cause.toHtmlEscaped(),
                                                Say(QT_TRANSLATE_NOOP("ReportHtml", "What to do:")).toHtmlEscaped(),
                                                text.fix.toHtmlEscaped());
        rows += QStringLiteral("<tr><th>%1</th>%2<td class=\"why\">%3</td></tr>\n")
                    .arg((text.title.isEmpty() ? key : text.title).toHtmlEscaped(), ResultCell(value), whatToDo);
    }
    // "</" cannot end the JSON block early: "<\/" reads back as "</".
    QString json = fields.reportText;
    json.replace(QLatin1String("</"), QLatin1String("<\\/"));
    const QString image =
        screenshot.isEmpty()
            ? QStringLiteral("<p>%1</p>").arg(Say(QT_TRANSLATE_NOOP("ReportHtml", "(no screenshot)")).toHtmlEscaped())
            : QStringLiteral("<img alt=\"screenshot\" src=\"data:image/webp;base64,%1\">")
                  .arg(QString::fromLatin1(screenshot.toBase64()));
    const QString number = fields.reportId.isEmpty()
                               ? QString()
                               : QStringLiteral("<h2>%1</h2>\n<p id=\"report-number\">%2</p>\n")
                                     .arg(Say(QT_TRANSLATE_NOOP("ReportHtml", "Report number")).toHtmlEscaped(),
                                          ReportNumber(fields.reportId));
    const QString title = Say(QT_TRANSLATE_NOOP("ReportHtml", "%1 %2 - diagnostic report"))
                              .arg(fields.productName, fields.productVersion)
                              .toHtmlEscaped();
    const QString email = fields.email.isEmpty()
                              ? Say(QT_TRANSLATE_NOOP("ReportHtml", "(none: anonymous)")).toHtmlEscaped()
                              : fields.email.toHtmlEscaped();
    // The page's parts, each substituted once: text a part brings ("%1" in an explanation) is never substituted
    // again. "lang" is the translation's own language code.
    const QStringList parts = {Say(QT_TRANSLATE_NOOP("ReportHtml", "en")),
                               title,
                               Say(QT_TRANSLATE_NOOP("ReportHtml", "Results")).toHtmlEscaped(),
                               Say(QT_TRANSLATE_NOOP("ReportHtml", "Check")).toHtmlEscaped(),
                               Say(QT_TRANSLATE_NOOP("ReportHtml", "Result")).toHtmlEscaped(),
                               Say(QT_TRANSLATE_NOOP("ReportHtml", "Why it failed")).toHtmlEscaped(),
                               rows,
                               Say(QT_TRANSLATE_NOOP("ReportHtml", "Explanation")).toHtmlEscaped(),
                               fields.explanation.toHtmlEscaped(),
                               Say(QT_TRANSLATE_NOOP("ReportHtml", "E-mail")).toHtmlEscaped(),
                               email,
                               number,
                               Say(QT_TRANSLATE_NOOP("ReportHtml", "Screenshot")).toHtmlEscaped(),
                               image,
                               json};
    static const QString page = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"@0\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>@1</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 24px; color: #1f2a37; background: #f4f6f9; }\n"
        "table { border-collapse: collapse; background: #fff; }\n"
        "th, td { border: 1px solid #d5dbe3; padding: 4px 10px; text-align: left; font-weight: normal; }\n"
        "td.why { max-width: 60em; overflow-wrap: anywhere; }\n"
        "td.pass { color: #1e7b3a; } td.fail { color: #b3261e; font-weight: bold; } td.unknown { color: "
        "#8a6d00; }\n"
        "img { max-width: 100%; border: 1px solid #c9d1db; }\n"
        "pre { background: #fff; border: 1px solid #d5dbe3; padding: 8px; white-space: pre-wrap; }\n"
        "</style>\n</head>\n<body>\n<h1>@1</h1>\n"
        "<h2>@2</h2>\n<table>\n<tr><th>@3</th><th>@4</th><th>@5</th></tr>\n@6</table>\n"
        "<h2>@7</h2>\n<pre>@8</pre>\n<h2>@9</h2>\n<p>@10</p>\n@11"
        "<h2>@12</h2>\n@13\n"
        "<script type=\"application/json\" id=\"report-json\">@14</script>\n</body>\n</html>\n");
    QString out;
    static const QRegularExpression slot(QStringLiteral("@(\\d+)"));
    int from = 0;
    for (QRegularExpressionMatchIterator it = slot.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += page.mid(from, match.capturedStart() - from) + parts.value(match.captured(1).toInt());
        from = match.capturedEnd();
    }
    return out + page.mid(from);
}

QString ReadableResults(const ReportFields& fields) {
    QString text;
    for (const auto& [key, value] : OrderedMembers(fields.reportText)) {
        const ReportRowText row = fields.rowTexts.value(key);
        // Texts that span lines (the log area) are shown by the report itself.
        const QString shown = value.contains(QLatin1Char('\n'))
                                  ? Say(QT_TRANSLATE_NOOP("ReportHtml", "(%1 lines)")).arg(value.count('\n') + 1)
                                  : ResultWord(value);
        text += QStringLiteral("%1: %2\n").arg(row.title.isEmpty() ? key : row.title, shown);
        if (!row.cause.isEmpty())
            text += Say(QT_TRANSLATE_NOOP("ReportHtml", "    Cause: %1\n    What to do: %2\n")).arg(row.cause, row.fix);
    }
    return text;
}
