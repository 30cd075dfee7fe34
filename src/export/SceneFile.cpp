#include "SceneFile.h"

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "CodeText.h"
#include "GroupTree.h"
#include "LineWriter.h"
#include "LuaCompiler.h"
#include "LuaTarget.h"
#include "mdlBrowsePath.h"
#include "PhysicsCode.h"

#include <QFileInfo>

using mdlBrowsePath::QuoteText;

namespace {

const QString objectsTable = QStringLiteral("objects");

// Declarations at the start of a line: what a function's text adds to its locals, or more.
qsizetype localsIn(const QString& text)
{
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(u"local "); at >= 0; at = text.indexOf(u"local ", at + 6)) {
        qsizetype start = at;
        while (start > 0 && (text.at(start - 1) == u'\t' || text.at(start - 1) == u' '))
            --start;
        count += start == 0 || text.at(start - 1) == u'\n';
    }
    return count;
}

// Writes `text` (lines ending in CR LF) indented by `tabs`, leaving empty lines empty.
void indented(LineWriter& w, int tabs, const QString& text)
{
    const QString indent(tabs, QLatin1Char('\t'));
    QString out;
    out.reserve(text.size() + text.size() / 4);
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf(u"\r\n", start);
        if (end < 0)
            end = text.size();
        if (end > start)
            out += indent;
        out += QStringView(text).mid(start, end - start);
        out += QLatin1String("\r\n");
        start = end + 2;
    }
    w.part(out);
}

// The texts a function runs: in a small scene the function's own lines; past the limits,
// `parts` functions of blocks, called one by one.
struct Body
{
    QList<QString> texts;
    // In parts only: a block's first and last lines, which fetch its group from the objects
    // table and keep what later blocks need there.
    QList<QString> openings, closings;
    bool inParts() const
    {
        qsizetype locals = 0;
        for (const QString& t : texts)
            locals += localsIn(t);
        return locals > SceneFile::smallLocals;
    }
};

void writeParts(LineWriter& w, const QString& table, const QString& parameter, const Body& body)
{
    w("local ", table, " = {}");
    for (qsizetype first = 0; first < body.texts.size(); first += SceneFile::partSize) {
        w.blank();
        w(table, "[", QString::number(first / SceneFile::partSize + 1), "] = function(", parameter, ")");
        for (qsizetype i = first; i < std::min(body.texts.size(), first + SceneFile::partSize); ++i) {
            w.line(1, "do");
            indented(w, 2, body.openings.value(i) + body.texts.at(i) + body.closings.value(i));
            w.line(1, "end");
        }
        w("end");
    }
    w.blank();
}

void callParts(LineWriter& w, int tabs, const QString& table, const QString& argument)
{
    w.line(tabs, "for _, part in ipairs( ", table, " ) do");
    w.line(tabs + 1, "part(", argument, ")");
    w.line(tabs, "end");
}

} // namespace

SnippetCollector::Result SceneFile::write(const QList<const ModelObject*>& objects, const LuaTarget& target,
                                          const QString& fileName) const
{
    SnippetCollector::Result result;
    WriteContext context;
    context.scene = true;
    context.sceneName = QFileInfo(fileName).completeBaseName();
    QList<const ModelObject*> sound;
    for (const ModelObject* object : objects) {
        if (const std::optional<CodeText::Fault> fault = CodeText::faultOf(*object))
            result.leftOut << fault->leftOutReason();
        else
            sound << object;
    }
    const GroupTree tree(sound);
    QSet<QString> displayNames, moved;
    for (const clsDisplay* d : tree.engineOrder())
        displayNames.insert(d->varName());
    QList<const clsTransition*> transitions;
    QList<const clsAlert*> alerts;
    for (const ModelObject* object : std::as_const(sound)) {
        if (const clsTransition* t = clsTransition::from(object)) {
            transitions << t;
            if (displayNames.contains(t->varName().trimmed()))
                moved.insert(t->varName().trimmed());
        } else if (const clsAlert* a = clsAlert::from(object)) {
            alerts << a;
        }
    }
    // Each object's own text, by name: compiled one by one only when the whole file fails.
    QList<std::pair<QString, QString>> pieces;
    const auto written = [&](const ModelObject& object, const ModelObject& placed) -> std::optional<QString> {
        std::optional<QString> text = target.write(placed, context);
        if (!text) {
            ++result.skipped;
        } else {
            ++result.copied;
            pieces.append({object.varName(), *text});
        }
        return text;
    };

    Body create;
    int strays = 0;
    const auto keep = [&](const QString& name) {
        return objectsTable + QLatin1Char('.') + name + QStringLiteral(" = ") + name + QStringLiteral("\r\n");
    };
    for (const clsDisplay* d : tree.engineOrder()) {
        clsDisplay placed = *d;
        const clsDisplay* parent = tree.parentOf(d);
        if (!parent && !d->parGroup().trimmed().isEmpty())
            ++strays;
        placed.setParGroup(parent ? parent->varName() : QStringLiteral("sceneGroup"));
        const std::optional<QString> text = written(*d, placed);
        if (!text)
            continue;
        create.texts << (moved.contains(d->varName()) ? *text + keep(d->varName()) : *text);
        create.openings << (parent ? QStringLiteral("local ") + parent->varName() + QStringLiteral(" = ") +
                                         objectsTable + QLatin1Char('.') + parent->varName() +
                                         QStringLiteral("\r\n")
                                   : QString());
        create.closings << (d->isGroup() && !moved.contains(d->varName()) ? keep(d->varName()) : QString());
    }
    const bool createInParts = create.inParts();
    Body show;
    for (const clsTransition* t : std::as_const(transitions)) {
        clsTransition placed = *t;
        if (moved.contains(t->varName().trimmed()))
            placed.setVarName(objectsTable + QLatin1Char('.') + t->varName().trimmed());
        if (const std::optional<QString> text = written(*t, placed))
            show.texts << *text;
    }
    const bool showInParts = show.inParts();

    const bool physics = PhysicsCode::needed(sound);
    using Place = PhysicsCode::ScenePlace;
    LineWriter w;
    w("local composer = require( \"composer\" )");
    w.blank();
    w("local scene = composer.newScene()");
    w.blank();
    if (physics) {
        PhysicsCode::writeScene(w, Place::Top, 0);
        w.blank();
    }
    if (!moved.isEmpty() || createInParts) {
        w(createInParts ? "-- The scene's groups, and the objects that scene:show moves, by name."
                        : "-- The scene's objects that scene:show moves, by name.");
        w("local ", objectsTable, " = {}");
        w.blank();
    }
    // Each alert's handle is a local of the module, as long as scene:hide can reach them all.
    const bool alertsInParts = alerts.size() > SceneFile::namedAlerts;
    Body shows;
    for (const clsAlert* a : std::as_const(alerts)) {
        const std::optional<QString> text = written(*a, *a);
        const QString V = a->varName();
        if (!alertsInParts) {
            w("local ", V, " -- the alert while shown, for scene:hide");
            w.blank();
            w.part(*text);
            w.blank();
            continue;
        }
        LineWriter close;
        close("scene.show_", V, " = show_", V);
        close("cancels[#cancels + 1] = function()");
        close.line(1, "if ", V, " then");
        close.line(2, "native.cancelAlert( ", V, " )");
        close.line(2, V, " = nil");
        close.line(1, "end");
        close("end");
        shows.texts << *text;
        shows.openings << QStringLiteral("local ") + V + QStringLiteral(" -- the alert while shown\r\n");
        shows.closings << close.text();
    }
    if (alertsInParts) {
        w("-- So many alerts are made in parts: scene.show_quit() shows the alert quit, and");
        w("-- scene:hide cancels those shown.");
        w("local cancels = {}");
        writeParts(w, QStringLiteral("alertParts"), QString(), shows);
        callParts(w, 0, QStringLiteral("alertParts"), QString());
        w.blank();
    }
    if (createInParts) {
        w("-- A scene this large is made in parts: Lua allows a function 200 locals.");
        writeParts(w, QStringLiteral("createParts"), QStringLiteral(" sceneGroup "), create);
    }
    if (showInParts)
        writeParts(w, QStringLiteral("startParts"), QString(), show);

    // Without the guide's unused event argument, which touch listeners' own would shadow.
    w("function scene:create()");
    w.line(1, "local sceneGroup = self.view");
    if (physics)
        PhysicsCode::writeScene(w, Place::Create, 1);
    if (createInParts) {
        callParts(w, 1, QStringLiteral("createParts"), QStringLiteral(" sceneGroup "));
    } else {
        for (const QString& text : std::as_const(create.texts)) {
            w.blank();
            indented(w, 1, text);
        }
    }
    w("end");
    w.blank();
    if (show.texts.isEmpty() && !physics) {
        w("function scene:show() -- luacheck: ignore 212/self");
    } else {
        w("function scene:show( event ) -- luacheck: ignore 212/self");
        w.line(1, "if event.phase == \"did\" then");
        if (physics)
            PhysicsCode::writeScene(w, Place::ShowDid, 2);
        if (showInParts) {
            callParts(w, 2, QStringLiteral("startParts"), QString());
        } else {
            for (qsizetype i = 0; i < show.texts.size(); ++i) {
                if (i > 0)
                    w.blank();
                indented(w, 2, show.texts.at(i));
            }
        }
        w.line(1, "end");
    }
    w("end");
    w.blank();
    const bool stops = !show.texts.isEmpty() || !alerts.isEmpty();
    if (!stops && !physics) {
        w("function scene:hide() -- luacheck: ignore 212/self");
    } else {
        w("function scene:hide( event ) -- luacheck: ignore 212/self");
        w.line(1, stops ? "if event.phase == \"will\" then" : "if event.phase == \"did\" then");
        // Only this scene's transitions: a bare transition.cancel() would stop every scene's.
        if (!show.texts.isEmpty())
            w.line(2, "transition.cancel( ", QuoteText(context.sceneName), " )");
        if (alertsInParts)
            callParts(w, 2, QStringLiteral("cancels"), QString());
        for (const clsAlert* a : alertsInParts ? QList<const clsAlert*>() : alerts) {
            w.line(2, "if ", a->varName(), " then");
            w.line(3, "native.cancelAlert( ", a->varName(), " )");
            w.line(3, a->varName(), " = nil");
            w.line(2, "end");
        }
        if (stops && physics)
            w.line(1, "elseif event.phase == \"did\" then");
        if (physics)
            PhysicsCode::writeScene(w, Place::HideDid, 2);
        w.line(1, "end");
    }
    w("end");
    w.blank();
    w("function scene:destroy() -- luacheck: ignore 212/self");
    w("end");
    w.blank();
    for (const char* name : {"create", "show", "hide", "destroy"})
        w("scene:addEventListener( \"", QLatin1String(name), "\", scene )");
    w.blank();
    w("return scene");
    result.text = w.text();
    if (const std::optional<LuaCompiler::Error> error = LuaCompiler::compile(result.text)) {
        for (const auto& [name, text] : std::as_const(pieces)) {
            if (LuaCompiler::compile(text))
                result.failing << name;
        }
        if (result.failing.isEmpty())
            result.wholeFileError = error->message;
    }
    if (strays == 1)
        result.notes << QStringLiteral(
            "1 object put into the scene's view: its parent group is no group here");
    else if (strays > 1)
        result.notes << QStringLiteral(
                            "%1 objects put into the scene's view: their parent groups are no groups here")
                            .arg(strays);
    for (const QString& cycle : tree.cycles())
        result.notes << cycle;
    return result;
}
