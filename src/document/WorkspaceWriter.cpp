#include "WorkspaceWriter.h"

#include "BodyJson.h"
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "FormatVersion.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QJsonArray pairs(const PairList& list)
{
    QJsonArray array;
    for (const clsData& pair : list)
        array.append(QJsonArray{pair.clsKey(), pair.clsValue()});
    return array;
}

// A number, or the text of a screen expression.
QJsonValue position(const QString& text, qint32 number)
{
    return text == QString::number(number) ? QJsonValue(number) : QJsonValue(text);
}

// The keys version 3 adds to every display object.
void addVersion3Keys(QJsonObject& entry, const clsDisplay& d)
{
    entry.insert(QStringLiteral("x"), position(d.xText(), d.x()));
    entry.insert(QStringLiteral("y"), position(d.yText(), d.y()));
    const DisplayProperties& p = d.properties();
    entry.insert(QStringLiteral("alpha"), p.alpha);
    entry.insert(QStringLiteral("rotation"), p.rotation);
    entry.insert(QStringLiteral("xScale"), p.xScale);
    entry.insert(QStringLiteral("yScale"), p.yScale);
    entry.insert(QStringLiteral("strokeWidth"), p.strokeWidth);
    entry.insert(QStringLiteral("strokeColour"), p.strokeColour);
    entry.insert(QStringLiteral("body"), BodyJson::write(d.hasBody() ? d.body() : PhysicsBody()));
}

// A group has no size, picture, colour or font: those keys hold 0, -1 or "".
void blankGroupKeys(QJsonObject& entry)
{
    for (const char* key : {"sWidth", "sHeight", "sRounding", "Colour"})
        entry.insert(QLatin1String(key), 0);
    entry.insert(QStringLiteral("reference"), -1);
    entry.insert(QStringLiteral("filename"), QString());
    entry.insert(QStringLiteral("sFontName"), QString());
}

QJsonObject display(const clsDisplay& d, int version)
{
    QJsonObject entry{
        {QStringLiteral("dObjType"), d.dObjType()},
        {QStringLiteral("parGroup"), d.parGroup()},
        {QStringLiteral("eventHandling"), d.eventHandling()},
        {QStringLiteral("x"), d.x()},
        {QStringLiteral("y"), d.y()},
        {QStringLiteral("sWidth"), d.sWidth()},
        {QStringLiteral("sHeight"), d.sHeight()},
        {QStringLiteral("sRounding"), d.sRounding()},
        {QStringLiteral("reference"), d.reference()},
        {QStringLiteral("filename"), d.filename()},
        {QStringLiteral("Colour"), d.Colour()},
        {QStringLiteral("sFontName"), d.sFontName()},
    };
    if (d.isGroup())
        blankGroupKeys(entry);
    if (version >= 3)
        addVersion3Keys(entry, d);
    return entry;
}

QJsonObject transition(const clsTransition& t, int version)
{
    QJsonObject entry{
        {QStringLiteral("duration"), t.duration()},
        {QStringLiteral("delay"), t.delay()},
        {QStringLiteral("onStart"), t.onStart()},
        {QStringLiteral("onComplete"), t.onComplete()},
        // The model reads every non-zero direction as "from", so 1 stands for all of them
        // and the file stays within what the reader accepts.
        {QStringLiteral("transitionDirection"), t.transitionDirection() == 0 ? 0 : 1},
        {QStringLiteral("properties"), pairs(t.properties())},
    };
    if (version >= 3) {
        // The keys version 3 adds to every transition.
        entry.insert(QStringLiteral("easing"), t.easing());
    }
    return entry;
}

QJsonObject alert(const clsAlert& a)
{
    return {
        {QStringLiteral("title"), a.title()},
        {QStringLiteral("message"), a.message()},
        {QStringLiteral("buttons"), pairs(a.buttons())},
    };
}

} // namespace

QString WorkspaceWriter::projectPath(const QString& folder, const QString& filePath)
{
    if (filePath.isEmpty())
        return QDir::fromNativeSeparators(folder);
    return QDir::fromNativeSeparators(QFileInfo(filePath).absoluteDir().relativeFilePath(folder));
}

QJsonArray WorkspaceWriter::objectsArray(const QList<const ModelObject*>& objects, int version)
{
    QJsonArray array;
    for (const ModelObject* object : objects) {
        QJsonObject entry;
        switch (object->kind()) {
        case ObjectKind::Display:
            entry = display(static_cast<const clsDisplay&>(*object), version);
            break;
        case ObjectKind::Transition:
            entry = transition(static_cast<const clsTransition&>(*object), version);
            break;
        case ObjectKind::Alert:
            entry = alert(static_cast<const clsAlert&>(*object));
            break;
        }
        entry.insert(QStringLiteral("kind"), object->ObjType());
        entry.insert(QStringLiteral("varName"), object->varName());
        array.append(entry);
    }
    return array;
}

QByteArray WorkspaceWriter::write(const QList<const ModelObject*>& objects, const ProjectLink& project,
                                  const QString& filePath)
{
    // Files without newer features stay readable by the Quillet before them.
    const bool chosen = project.choice != ProjectLink::Choice::Automatic;
    const int written = std::max(FormatVersion::objectsNeed(objects), chosen ? 2 : 1);
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(format)},
        {QStringLiteral("version"), written},
        {QStringLiteral("objects"), objectsArray(objects, written)},
    };
    // Version 3 leaves the key out when no choice was made; version 2 always has it.
    if (chosen || written == 2) {
        root.insert(QStringLiteral("project"), project.choice == ProjectLink::Choice::Folder
                                                   ? QJsonValue(projectPath(project.folder, filePath))
                                                   : QJsonValue(QJsonValue::Null));
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
