#include "WorkspaceWriter.h"

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray pairs(const PairList& list)
{
    QJsonArray array;
    for (const clsData& pair : list)
        array.append(QJsonArray{pair.clsKey(), pair.clsValue()});
    return array;
}

QJsonObject display(const clsDisplay& d)
{
    return {
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
}

QJsonObject transition(const clsTransition& t)
{
    return {
        {QStringLiteral("duration"), t.duration()},
        {QStringLiteral("delay"), t.delay()},
        {QStringLiteral("onStart"), t.onStart()},
        {QStringLiteral("onComplete"), t.onComplete()},
        // The model reads every non-zero direction as "from", so 1 stands for all of them
        // and the file stays within what the reader accepts.
        {QStringLiteral("transitionDirection"), t.transitionDirection() == 0 ? 0 : 1},
        {QStringLiteral("properties"), pairs(t.properties())},
    };
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

QJsonArray WorkspaceWriter::objectsArray(const QList<const ModelObject*>& objects)
{
    QJsonArray array;
    for (const ModelObject* object : objects) {
        QJsonObject entry;
        if (const auto* d = dynamic_cast<const clsDisplay*>(object))
            entry = display(*d);
        else if (const auto* t = dynamic_cast<const clsTransition*>(object))
            entry = transition(*t);
        else if (const auto* a = dynamic_cast<const clsAlert*>(object))
            entry = alert(*a);
        else
            continue; // no other kind exists; a file must not carry one it cannot read
        entry.insert(QStringLiteral("kind"), object->ObjType());
        entry.insert(QStringLiteral("varName"), object->varName());
        array.append(entry);
    }
    return array;
}

QByteArray WorkspaceWriter::write(const QList<const ModelObject*>& objects, const ProjectLink& project,
                                  const QString& filePath)
{
    QJsonObject root{
        {QStringLiteral("format"), QLatin1String(format)},
        {QStringLiteral("version"), 1},
        {QStringLiteral("objects"), objectsArray(objects)},
    };
    // Files without a choice stay readable by the Quillet that knew no project folders.
    if (project.choice != ProjectLink::Choice::Automatic) {
        root.insert(QStringLiteral("version"), version);
        root.insert(QStringLiteral("project"), project.choice == ProjectLink::Choice::Folder
                                                   ? QJsonValue(projectPath(project.folder, filePath))
                                                   : QJsonValue(QJsonValue::Null));
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
