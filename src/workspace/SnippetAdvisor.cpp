#include "SnippetAdvisor.h"

#include "CodeText.h"
#include "GroupTree.h"
#include "LuaTarget.h"
#include "LuaTargets.h"
#include "PhysicsWarnings.h"

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"

#include <algorithm>

namespace {

QString quoted(const QString& text)
{
    return QStringLiteral("\u201C%1\u201D").arg(text);
}

void checkName(QStringList& hints, const QString& what, const QString& name)
{
    if (SnippetAdvisor::isLuaKeyword(name))
        hints << QStringLiteral("The %1 %2 is a Lua keyword.").arg(what, quoted(name));
    else if (!SnippetAdvisor::isLuaName(name))
        hints << QStringLiteral(
                     "The %1 %2 is not a Lua name (letters, digits and _, not starting with a digit).")
                     .arg(what, quoted(name));
}

// A quote is no part of any Lua name, and texts between quotes are escaped by the generators.
void checkVarName(QStringList& hints, const QString& name)
{
    if (name.contains(QLatin1Char('"')))
        hints << QStringLiteral("A variable name cannot hold a double quote");
    else
        checkName(hints, QStringLiteral("variable name"), name);
}

// Dotted paths such as hero.sprite are valid targets of a transition.
bool isLuaPath(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    for (const QString& part : parts) {
        if (!SnippetAdvisor::isLuaName(part))
            return false;
    }
    return true;
}

bool declaresName(const ModelObject* object)
{
    // A transition only refers to an object by name; displays and alerts declare theirs.
    return object->kind() != ObjectKind::Transition;
}

} // namespace

bool SnippetAdvisor::isLuaKeyword(const QString& text)
{
    return CodeText::isLuaKeyword(text);
}

bool SnippetAdvisor::isLuaName(const QString& text)
{
    return CodeText::isLuaName(text);
}

QString SnippetAdvisor::noSnippetReason(const ModelObject& object)
{
    if (object.codeSnippet())
        return QString();
    const QString lead = QStringLiteral("No Lua for this object: ");
    if (const auto* d = clsDisplay::from(&object); d && clsDisplay::displayTypeName(d->dObjType()).isEmpty())
        return lead + QStringLiteral("a display object needs a kind");
    return lead + QStringLiteral("its generator gave no text");
}

QStringList SnippetAdvisor::hints(const ModelObject& object)
{
    QStringList hints;
    if (const auto* d = clsDisplay::from(&object)) {
        checkVarName(hints, d->varName());
        if (d->dObjType() == clsDisplay::Image && !d->parGroup().isEmpty() && d->filename().isEmpty())
            hints << QStringLiteral("An image with a parent group needs a file name.");
    } else if (const auto* t = clsTransition::from(&object)) {
        if (!isLuaPath(t->varName()))
            checkVarName(hints, t->varName());
        if (!t->onStart().isEmpty())
            checkName(hints, QStringLiteral("onStart listener"), t->onStart());
        if (!t->onComplete().isEmpty())
            checkName(hints, QStringLiteral("onComplete listener"), t->onComplete());
        for (const clsData& p : t->properties()) {
            checkName(hints, QStringLiteral("property name"), p.clsKey());
            if (p.clsValue().isEmpty())
                hints << QStringLiteral("The property %1 has no value.").arg(quoted(p.clsKey()));
        }
    } else if (const auto* a = clsAlert::from(&object)) {
        checkVarName(hints, a->varName());
    }
    return hints;
}

QStringList SnippetAdvisor::warnings(const ModelObject& object, const QList<const ModelObject*>& workspace,
                                     GraphicsApi api)
{
    QStringList warnings;
    if (const auto* a = clsAlert::from(&object); a && a->buttonsCount() > maxAlertButtons)
        warnings << QStringLiteral("Corona shows at most %1 buttons in an alert; this one has %2.")
                        .arg(maxAlertButtons)
                        .arg(a->buttonsCount());
    if (const LuaTarget* target = LuaTargets::find(api))
        warnings << target->warnings(object);
    if (const clsDisplay* d = clsDisplay::from(&object); d && d->hasBody())
        warnings << PhysicsWarnings::forObject(*d, GroupTree(workspace));
    if (declaresName(&object)) {
        for (const ModelObject* other : workspace) {
            if (other != &object && declaresName(other) && other->varName() == object.varName()) {
                warnings << QStringLiteral(
                                "The variable name %1 is also used by another object of the workspace.")
                                .arg(quoted(object.varName()));
                break;
            }
        }
    }
    return warnings;
}

QStringList SnippetAdvisor::notes(const ModelObject& object, const QList<const ModelObject*>& workspace)
{
    QStringList notes;
    const auto* t = clsTransition::from(&object);
    if (!t)
        return notes;
    // The user's own code may create the object, so this is no fault; hero.sprite animates
    // a part of hero.
    const QString target = t->varName().section(QLatin1Char('.'), 0, 0);
    const bool known = std::any_of(workspace.cbegin(), workspace.cend(), [&](const ModelObject* other) {
        return clsDisplay::from(other) && other->varName() == target;
    });
    if (!known)
        notes << QStringLiteral("%1 is not a display object of this workspace").arg(t->varName());
    if (t->properties().isEmpty())
        notes << QStringLiteral("This transition changes no property");
    return notes;
}

SnippetAdvisor::Report SnippetAdvisor::review(const ModelObject& object, const QString& snippet,
                                              const QList<const ModelObject*>& workspace, GraphicsApi api)
{
    Report report;
    report.error = LuaCompiler::compile(snippet);
    report.fault = CodeText::faultOf(object);
    if (const clsDisplay* d = clsDisplay::from(&object); d && d->isGroup())
        report.groupLoop = GroupTree(workspace).cycleOf(d);
    if (report.error)
        report.hints = hints(object);
    report.warnings = warnings(object, workspace, api);
    report.notes = notes(object, workspace);
    return report;
}

QString SnippetAdvisor::Report::errorText() const
{
    if (!error)
        return QString();
    QString text = QStringLiteral("Lua cannot compile this snippet: ");
    if (error->line > 0)
        text += QStringLiteral("line %1: ").arg(error->line);
    text += error->message;
    for (const QString& hint : hints)
        text += QStringLiteral("  Hint: ") + hint;
    return text;
}

QString SnippetAdvisor::Report::warningText() const
{
    return warnings.join(QLatin1Char(' '));
}

QString SnippetAdvisor::Report::noteText() const
{
    return notes.join(QStringLiteral(". "));
}
