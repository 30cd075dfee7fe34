#include "CheckLine.h"

#include <QStringList>

namespace {

void append(QString& html, const QString& part)
{
    if (!html.isEmpty())
        html += QLatin1Char(' ');
    html += part;
}

} // namespace

CheckLine CheckLine::compose(const SnippetAdvisor::Report& report,
                             const QList<PictureChecks::Problem>& pictures)
{
    QStringList pictureErrors;
    if (report.fault)
        pictureErrors << report.fault->message();
    if (!report.groupLoop.isEmpty())
        pictureErrors << report.groupLoop;
    QStringList warnings = report.warnings;
    for (const PictureChecks::Problem& problem : pictures)
        (problem.error ? pictureErrors : warnings) << problem.text;
    CheckLine line;
    if (report.compiles() && pictureErrors.isEmpty() && warnings.isEmpty() && report.notes.isEmpty())
        return line;
    if (!report.compiles()) {
        // Lua's words stand out; the hints that follow are read after them.
        const QString error = report.errorText();
        const qsizetype hints = error.indexOf(QLatin1String("  Hint: "));
        line.html = QStringLiteral("<span style=\"color:#a3271d; font-weight:bold\">%1</span>")
                        .arg(error.left(hints).toHtmlEscaped());
        if (hints >= 0)
            line.html += QStringLiteral("<span style=\"color:#a3271d\">%1</span>")
                             .arg(error.mid(hints).toHtmlEscaped());
        line.errorLine = report.error->line;
    }
    for (const QString& error : pictureErrors)
        append(line.html, QStringLiteral("<span style=\"color:#a3271d; font-weight:bold\">%1</span>")
                              .arg(error.toHtmlEscaped()));
    if (!warnings.isEmpty())
        append(line.html, QStringLiteral("<span style=\"color:#6b5200\">Warning: %1</span>")
                              .arg(warnings.join(QLatin1Char(' ')).toHtmlEscaped()));
    if (!report.notes.isEmpty())
        append(line.html, report.noteText().toHtmlEscaped());
    line.severity = !report.compiles() || !pictureErrors.isEmpty() ? QStringLiteral("error")
                    : !warnings.isEmpty()                          ? QStringLiteral("warning")
                                                                   : QStringLiteral("note");
    return line;
}
