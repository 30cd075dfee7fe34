#pragma once

#include "PictureChecks.h"
#include "SnippetAdvisor.h"

#include <QList>
#include <QString>

// The line under the code pane, made from the advisor's report on the snippet and the file
// problems of its pictures.
class CheckLine
{
public:
    // Empty when there is nothing to say.
    static CheckLine compose(const SnippetAdvisor::Report& report,
                             const QList<PictureChecks::Problem>& pictures);

    bool isEmpty() const { return severity.isEmpty(); }

    QString html;
    QString severity;  // "error", "warning" or "note"; tests and styles read it from the label
    int errorLine = 0; // 1-based line Lua could not compile; 0 for none
};
