#include "SnippetCollector.h"

#include "clsDisplay.h"
#include "CodeText.h"
#include "GroupTree.h"
#include "LineWriter.h"
#include "LuaCompiler.h"
#include "LuaTarget.h"
#include "ModelObject.h"
#include "PhysicsCode.h"

#include <algorithm>

namespace {

int treeRank(const ModelObject* object)
{
    static const QStringList kinds{QStringLiteral("Display"), QStringLiteral("Alert"),
                                   QStringLiteral("Transition")};
    const qsizetype rank = kinds.indexOf(object->ObjType());
    return rank < 0 ? int(kinds.size()) : int(rank);
}

} // namespace

QString SnippetCollector::leftOutNote(const QStringList& reasons)
{
    if (reasons.size() == 1)
        return QStringLiteral("1 object left out: ") + reasons.first();
    if (reasons.size() > 1)
        return QStringLiteral("%1 objects left out: fields of theirs are code, not what they claim to be")
            .arg(reasons.size());
    return QString();
}

SnippetCollector::Result SnippetCollector::collect(const QList<const ModelObject*>& objects, GraphicsApi api)
{
    QList<const ModelObject*> others;
    for (const ModelObject* object : objects) {
        if (object->kind() != ObjectKind::Display)
            others << object;
    }
    std::stable_sort(others.begin(), others.end(),
                     [](const ModelObject* a, const ModelObject* b) { return treeRank(a) < treeRank(b); });
    // Groups are made before what goes into them.
    QList<const ModelObject*> ordered;
    const GroupTree tree(objects);
    for (const clsDisplay* d : tree.engineOrder())
        ordered << d;
    ordered << others;
    Result result;
    bool physics = false;
    for (const ModelObject* object : ordered) {
        if (const std::optional<CodeText::Fault> fault = CodeText::faultOf(*object)) {
            result.leftOut << fault->leftOutReason();
            continue;
        }
        // The whole text starts physics once, at its top.
        const std::optional<QString> snippet = object->codeSnippet(api, WriteContext{.physicsStarted = true});
        if (!snippet) {
            ++result.skipped;
            continue;
        }
        physics = physics || PhysicsCode::needed(*object);
        if (LuaCompiler::compile(*snippet))
            result.failing << object->varName();
        if (result.copied > 0)
            result.text += QLatin1String("\r\n");
        result.text += *snippet;
        ++result.copied;
    }
    if (physics) {
        LineWriter start;
        PhysicsCode::writeStart(start);
        result.text.prepend(start.text());
    }
    // Lua's limits on a whole chunk, such as 200 locals, show in no single snippet.
    if (result.failing.isEmpty() && result.copied > 1) {
        if (const std::optional<LuaCompiler::Error> error = LuaCompiler::compile(result.text))
            result.wholeFileError = error->message;
    }
    return result;
}

QString SnippetCollector::note(const Result& result, const QString& done, const QStringList& extraParts)
{
    QStringList parts{done};
    if (result.skipped == 1)
        parts << QStringLiteral("1 object has no snippet and was skipped");
    else if (result.skipped > 1)
        parts << QStringLiteral("%1 objects have no snippet and were skipped").arg(result.skipped);
    parts << leftOutNote(result.leftOut);
    parts.removeAll(QString());
    if (!result.failing.isEmpty())
        parts << QStringLiteral("%1 %2 not compile in Lua (%3)")
                     .arg(result.failing.size())
                     .arg(result.failing.size() == 1 ? QStringLiteral("does") : QStringLiteral("do"),
                          result.failing.join(QStringLiteral(", ")));
    else if (!result.wholeFileError.isEmpty())
        parts << QStringLiteral("the whole file does not compile in Lua: ") + result.wholeFileError;
    return (parts + result.notes + extraParts).join(QStringLiteral("; "));
}

QString SnippetCollector::confirmation(const Result& result)
{
    // Nothing goes to the clipboard when nothing was collected, so the text must not say so.
    return note(result, result.copied == 0   ? QStringLiteral("No snippet to copy")
                        : result.copied == 1 ? QStringLiteral("Copied 1 snippet")
                                             : QStringLiteral("Copied %1 snippets").arg(result.copied));
}

QString SnippetCollector::exportNote(const Result& result, const QString& fileName)
{
    const QString done = result.copied == 1 ? QStringLiteral("Exported 1 snippet")
                                            : QStringLiteral("Exported %1 snippets").arg(result.copied);
    return note(result, done + QStringLiteral(" to ") + fileName);
}

QString SnippetCollector::leftOutNoteFor(const ModelObject* object)
{
    const std::optional<CodeText::Fault> fault = object ? CodeText::faultOf(*object) : std::nullopt;
    return fault ? leftOutNote({fault->leftOutReason()}) : QString();
}
