#include "SnippetCollector.h"

#include "ModelObject.h"

SnippetCollector::Result SnippetCollector::collect(const QList<const ModelObject*>& objects, GraphicsApi api)
{
    Result result;
    for (const ModelObject* object : objects) {
        const std::optional<QString> snippet = object->codeSnippet(api);
        if (!snippet) {
            ++result.skipped;
            continue;
        }
        if (result.copied > 0)
            result.text += QLatin1String("\r\n");
        result.text += *snippet;
        ++result.copied;
    }
    return result;
}

QString SnippetCollector::confirmation(const Result& result)
{
    // Nothing goes to the clipboard when nothing was collected, so the text must not say so.
    QString text = result.copied == 0   ? QStringLiteral("No snippet to copy")
                   : result.copied == 1 ? QStringLiteral("Copied 1 snippet")
                                        : QStringLiteral("Copied %1 snippets").arg(result.copied);
    if (result.skipped == 1)
        text += QStringLiteral("; 1 object has no snippet and was skipped");
    else if (result.skipped > 1)
        text += QStringLiteral("; %1 objects have no snippet and were skipped").arg(result.skipped);
    return text;
}
