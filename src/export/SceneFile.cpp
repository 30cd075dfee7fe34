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

#include <QFileInfo>
#include <QRegularExpression>

using mdlBrowsePath::QuoteText;

namespace {

const QString objectsTable = QStringLiteral("objects");

qsizetype localsIn(const QString& text)
{
    static const QRegularExpression declaration(QStringLiteral("^\\s*local "),
                                                QRegularExpression::MultilineOption);
    return text.count(declaration);
}

// Writes `text` (lines ending in CR LF) indented by `tabs`, leaving empty lines empty.
void indented(LineWriter& w, int tabs, const QString& text)
{
    QList<QStringView> lines = QStringView(text).split(u"\r\n");
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    for (const QStringView line : std::as_const(lines)) {
        if (line.isEmpty())
            w.blank();
        else
            w.line(tabs, line.toString());
    }
}

// The texts a function runs: in a small scene the function's own lines; past the limits,
// `parts` functions of blocks, called one by one.
struct Body
{
    QList<QString> texts;
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
            indented(w, 2, body.texts.at(i));
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
    const auto written = [&](const ModelObject& object) -> std::optional<QString> {
        std::optional<QString> text = target.write(object, context);
        if (!text) {
            ++result.skipped;
        } else {
            ++result.copied;
            if (LuaCompiler::compile(*text))
                result.failing << object.varName();
        }
        return text;
    };

    // First as a small scene writes them, to know whether they fit in one function.
    const auto createTexts = [&](bool large) {
        Body body;
        int strays = 0;
        for (const clsDisplay* d : tree.engineOrder()) {
            clsDisplay placed = *d;
            const clsDisplay* parent = tree.parentOf(d);
            if (!parent && !d->parGroup().trimmed().isEmpty())
                ++strays;
            placed.setParGroup(!parent ? QStringLiteral("sceneGroup")
                                       : (large ? objectsTable + QLatin1Char('.') : QString()) +
                                             parent->varName());
            const std::optional<QString> text = target.write(placed, context);
            if (!text)
                continue;
            QString all = *text;
            if (moved.contains(d->varName()) || (large && d->isGroup()))
                all += objectsTable + QLatin1Char('.') + d->varName() + QStringLiteral(" = ") + d->varName() +
                       QStringLiteral("\r\n");
            body.texts << all;
        }
        return std::make_pair(body, strays);
    };
    auto [create, strays] = createTexts(false);
    const bool createInParts = create.inParts();
    if (createInParts)
        create = createTexts(true).first;
    for (const clsDisplay* d : tree.engineOrder())
        written(*d);
    Body show;
    for (const clsTransition* t : std::as_const(transitions)) {
        clsTransition placed = *t;
        if (moved.contains(t->varName().trimmed()))
            placed.setVarName(objectsTable + QLatin1Char('.') + t->varName().trimmed());
        if (written(*t))
            show.texts << *target.write(placed, context);
    }
    const bool showInParts = show.inParts();

    LineWriter w;
    w("local composer = require( \"composer\" )");
    w.blank();
    w("local scene = composer.newScene()");
    w.blank();
    if (!moved.isEmpty() || createInParts) {
        w("-- The scene's objects that scene:show moves, by name.");
        w("local ", objectsTable, " = {}");
        w.blank();
    }
    for (const clsAlert* a : std::as_const(alerts)) {
        if (const std::optional<QString> text = written(*a)) {
            w("local ", a->varName(), " -- the alert while shown, for scene:hide");
            w.blank();
            w.part(*text);
            w.blank();
        }
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
    if (show.texts.isEmpty()) {
        w("function scene:show() -- luacheck: ignore 212/self");
    } else {
        w("function scene:show( event ) -- luacheck: ignore 212/self");
        w.line(1, "if event.phase == \"did\" then");
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
    if (show.texts.isEmpty() && alerts.isEmpty()) {
        w("function scene:hide() -- luacheck: ignore 212/self");
    } else {
        w("function scene:hide( event ) -- luacheck: ignore 212/self");
        w.line(1, "if event.phase == \"will\" then");
        // Only this scene's transitions: a bare transition.cancel() would stop every scene's.
        if (!show.texts.isEmpty())
            w.line(2, "transition.cancel( ", QuoteText(context.sceneName), " )");
        for (const clsAlert* a : std::as_const(alerts)) {
            w.line(2, "if ", a->varName(), " then");
            w.line(3, "native.cancelAlert( ", a->varName(), " )");
            w.line(3, a->varName(), " = nil");
            w.line(2, "end");
        }
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
    if (result.failing.isEmpty()) {
        if (const std::optional<LuaCompiler::Error> error = LuaCompiler::compile(result.text))
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
