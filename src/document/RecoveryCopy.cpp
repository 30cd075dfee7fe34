#include "RecoveryCopy.h"

#include "FormatVersion.h"

#include "WorkspaceReader.h"
#include "WorkspaceWriter.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString formatKey = QStringLiteral("format");
const QString versionKey = QStringLiteral("version");
const QString fileKey = QStringLiteral("file");
const QString modifiedKey = QStringLiteral("modified");
const QString projectKey = QStringLiteral("project");
const QString folderKey = QStringLiteral("projectFolder");
const QString closedKey = QStringLiteral("closed");
const QString objectsKey = QStringLiteral("objects");

QString choiceName(ProjectLink::Choice choice)
{
    switch (choice) {
    case ProjectLink::Choice::None:
        return QStringLiteral("none");
    case ProjectLink::Choice::Folder:
        return QStringLiteral("folder");
    case ProjectLink::Choice::Automatic:
        break;
    }
    return QStringLiteral("automatic");
}

// An empty text, or an absolute path in valid Unicode.
bool isPathOrEmpty(const QJsonValue& value)
{
    if (!value.isString())
        return false;
    const QString text = value.toString();
    return text.isEmpty() || (QStringView(text).isValidUtf16() && QDir::isAbsolutePath(text));
}

QString readInto(RecoveryCopy& copy, const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return QStringLiteral("not valid JSON: ") + error.errorString();
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(formatKey) != QLatin1String(RecoveryCopy::format))
        return QStringLiteral("not a Quillet recovery copy");
    const QJsonValue version = root.value(versionKey);
    if (version != QJsonValue(1) && version != QJsonValue(RecoveryCopy::version))
        return QStringLiteral("version must be 1 to %1").arg(RecoveryCopy::version);
    const QStringList keys{formatKey,  versionKey, fileKey,   modifiedKey,
                           projectKey, folderKey,  closedKey, objectsKey};
    for (const QString& key : keys) {
        if (!root.contains(key))
            return QStringLiteral("missing key \"%1\"").arg(key);
    }
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (!keys.contains(it.key()))
            return QStringLiteral("unknown key \"%1\"").arg(it.key());
    }
    if (!isPathOrEmpty(root.value(fileKey)))
        return QStringLiteral("file must be empty or an absolute path");
    if (!root.value(modifiedKey).isBool() || !root.value(closedKey).isBool())
        return QStringLiteral("modified and closed must be true or false");
    const QString choice = root.value(projectKey).toString();
    const QJsonValue folder = root.value(folderKey);
    if (choice == choiceName(ProjectLink::Choice::Folder)) {
        if (!isPathOrEmpty(folder) || folder.toString().isEmpty())
            return QStringLiteral("projectFolder must be an absolute path");
        copy.project = {ProjectLink::Choice::Folder, folder.toString()};
    } else if (choice == choiceName(ProjectLink::Choice::None) ||
               choice == choiceName(ProjectLink::Choice::Automatic)) {
        if (folder != QString())
            return QStringLiteral("projectFolder must be empty unless project is \"folder\"");
        copy.project.choice = choice == choiceName(ProjectLink::Choice::None)
                                  ? ProjectLink::Choice::None
                                  : ProjectLink::Choice::Automatic;
    } else {
        return QStringLiteral("project must be \"automatic\", \"none\" or \"folder\"");
    }
    // Version 1 carries the objects of workspace versions 1 and 2, version 2 those of 3.
    WorkspaceReader::Result objects =
        WorkspaceReader::readObjects(root.value(objectsKey), version == QJsonValue(1) ? 2 : 3);
    if (!objects.ok())
        return objects.problem;
    copy.objects = std::move(objects.objects);
    copy.fileName = root.value(fileKey).toString();
    copy.modified = root.value(modifiedKey).toBool();
    copy.closed = root.value(closedKey).toBool();
    return QString();
}

} // namespace

QByteArray RecoveryCopy::write() const
{
    QList<const ModelObject*> list;
    list.reserve(qsizetype(objects.size()));
    for (const auto& object : objects)
        list.append(object.get());
    return write(list, fileName, modified, project, closed);
}

QByteArray RecoveryCopy::write(const QList<const ModelObject*>& objects, const QString& fileName,
                               bool modified, const ProjectLink& project, bool closed)
{
    const int objectsVersion = std::max(FormatVersion::objectsNeed(objects), 2);
    const QJsonObject root{
        {formatKey, QLatin1String(format)},
        {versionKey, objectsVersion >= 3 ? 2 : 1},
        {fileKey, fileName},
        {modifiedKey, modified},
        {projectKey, choiceName(project.choice)},
        {folderKey, project.choice == ProjectLink::Choice::Folder ? project.folder : QString()},
        {closedKey, closed},
        {objectsKey, WorkspaceWriter::objectsArray(objects, objectsVersion)},
    };
    // Compact: the copy is written often and read by no one but Quillet.
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

RecoveryCopy::Result RecoveryCopy::read(const QByteArray& bytes)
{
    Result result;
    auto copy = std::make_unique<RecoveryCopy>();
    result.problem = readInto(*copy, bytes);
    if (result.ok())
        result.copy = std::move(copy);
    return result;
}
