#pragma once

#include "CodeText.h"
#include "GraphicsApi.h"
#include "LuaCompiler.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class ModelObject;

// Looks at a generated snippet the way Lua and Corona will: whether it compiles, what in
// the object is the likely cause when it does not, and what will surprise at run time.
class SnippetAdvisor
{
public:
    struct Report
    {
        std::optional<LuaCompiler::Error> error;
        std::optional<CodeText::Fault> fault; // a field that holds code it should not
        QString groupLoop;                    // the loop of groups it is part of
        QStringList hints;                    // causes visible in the object; only given with an error
        QStringList warnings;                 // valid Lua that will not do what the user expects
        QStringList notes;                    // worth knowing, though the user's own code may make it right

        bool compiles() const { return !error.has_value(); }
        // "Lua cannot compile this snippet: line 6: ..." and its hints; "" when it compiles.
        QString errorText() const;
        QString warningText() const;
        QString noteText() const;
    };

    // `workspace` holds every object of the session (it may include `object` itself).
    static Report review(const ModelObject& object, const QString& snippet,
                         const QList<const ModelObject*>& workspace, GraphicsApi api);

    // Why the object has no snippet, for the line under the pane; "" when it has one.
    static QString noSnippetReason(const ModelObject& object);

    static QStringList hints(const ModelObject& object);
    static QStringList warnings(const ModelObject& object, const QList<const ModelObject*>& workspace,
                                GraphicsApi api);
    static QStringList notes(const ModelObject& object, const QList<const ModelObject*>& workspace);

    static bool isLuaKeyword(const QString& text);
    // A name Lua accepts: letters, digits and "_", not starting with a digit, no keyword.
    static bool isLuaName(const QString& text);

    // Corona's native.showAlert shows at most this many buttons.
    static constexpr int maxAlertButtons = 5;
};
