#include "WorkspaceReader.h"

#include "BodyJson.h"
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "Easing.h"
#include "ScreenExpression.h"
#include "TextLimits.h"
#include "WorkspaceWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>
#include <limits>

namespace {

// Thrown to leave the reading at its first problem; read() turns it into the result.
struct Problem
{
    QString text;
};

constexpr qint64 int32Min = std::numeric_limits<qint32>::min();
constexpr qint64 int32Max = std::numeric_limits<qint32>::max();

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The keys of one JSON object, checked against the set the format allows for it.
class Entry
{
public:
    // number: the object's place in the file, from 1; 0 for the top level.
    Entry(const QJsonObject& object, qsizetype number) : m_object(object), m_number(number) {}

    QJsonValue value(const QString& key) const { return m_object.value(key); }

    [[noreturn]] void fail(const QString& text) const
    {
        throw Problem{m_number > 0 ? QStringLiteral("object %1: ").arg(m_number) + text : text};
    }

    // Missing keys are reported in the order given, then unknown ones in file order.
    void requireExactly(const QStringList& keys) const
    {
        for (const QString& key : keys) {
            if (!m_object.contains(key))
                fail(QStringLiteral("missing key ") + quoted(key));
        }
        if (m_object.size() != keys.size()) {
            for (auto it = m_object.begin(); it != m_object.end(); ++it) {
                if (!keys.contains(it.key()))
                    fail(QStringLiteral("unknown key ") + quoted(it.key()));
            }
        }
    }

    QString text(const QString& key, qsizetype limit = TextLimits::text) const
    {
        const QJsonValue value = m_object.value(key);
        if (!value.isString())
            fail(key + QStringLiteral(" must be a text"));
        const QString text = value.toString();
        // An escaped lone surrogate cannot be written back as UTF-8.
        if (!QStringView(text).isValidUtf16())
            fail(key + QStringLiteral(" is not valid Unicode text"));
        checkLength(key, text, limit);
        return text;
    }

    void checkLength(const QString& what, const QString& text, qsizetype limit) const
    {
        if (text.size() > limit)
            fail(what + QStringLiteral(" is longer than %1 characters").arg(limit));
    }

    qint32 whole(const QString& key, qint64 min = int32Min, qint64 max = int32Max) const
    {
        const QJsonValue value = m_object.value(key);
        const double number = value.toDouble();
        if (!value.isDouble() || !std::isfinite(number) || std::floor(number) != number)
            fail(key + QStringLiteral(" must be a whole number"));
        if (number < double(min) || number > double(max)) {
            if (max == min)
                fail(key + QStringLiteral(" must be %1").arg(min));
            if (max - min == 1)
                fail(key + QStringLiteral(" must be %1 or %2").arg(min).arg(max));
            fail(key + QStringLiteral(" must be %1 to %2").arg(min).arg(max));
        }
        return qint32(number);
    }

    double number(const QString& key) const
    {
        const QJsonValue value = m_object.value(key);
        if (!value.isDouble() || !std::isfinite(value.toDouble()))
            fail(key + QStringLiteral(" must be a number"));
        return value.toDouble();
    }

    // Each pair goes to add(key, value); a key taken in another letter case is refused.
    // keyLimit: the longest pair key; a value may hold any text.
    template <typename Add, typename Contains>
    void pairs(const QString& key, qsizetype keyLimit, Contains contains, Add add) const
    {
        const QJsonValue value = m_object.value(key);
        if (!value.isArray())
            fail(key + QStringLiteral(" must be an array of pairs"));
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const QString where = key + QStringLiteral(" pair %1").arg(i + 1);
            const QJsonArray pair = array.at(i).toArray();
            if (!array.at(i).isArray() || pair.size() != 2 || !pair.at(0).isString() ||
                !pair.at(1).isString())
                fail(where + QStringLiteral(" must be an array of two texts"));
            const QString pairKey = pair.at(0).toString();
            const QString pairValue = pair.at(1).toString();
            if (!QStringView(pairKey).isValidUtf16() || !QStringView(pairValue).isValidUtf16())
                fail(where + QStringLiteral(" is not valid Unicode text"));
            checkLength(where + QStringLiteral(" key"), pairKey, keyLimit);
            checkLength(where + QStringLiteral(" value"), pairValue, TextLimits::text);
            if (contains(pairKey))
                fail(where + QStringLiteral(": the key ") + quoted(pairKey) +
                     QStringLiteral(" is already in use (letter case does not count)"));
            add(pairKey, pairValue);
        }
    }

private:
    QJsonObject m_object;
    qsizetype m_number;
};

// The keys version 3 adds to every display object, and their reading.
const QStringList& displayVersion3Keys()
{
    static const QStringList keys{"alpha",       "rotation",     "xScale", "yScale",
                                  "strokeWidth", "strokeColour", "body"};
    return keys;
}

// A whole number, or a string holding a screen expression.
QString readPosition(const Entry& e, const QString& key)
{
    const QJsonValue value = e.value(key);
    if (!value.isString())
        return QString::number(e.whole(key));
    const QString text = e.text(key, TextLimits::text);
    bool whole = false;
    text.toInt(&whole);
    const ScreenExpression::Parsed parsed = ScreenExpression::parse(text);
    if (whole || !parsed.ok() || parsed.text != text)
        e.fail(key + QStringLiteral(" must be a whole number or a screen expression (") +
               (whole         ? QStringLiteral("written as a number")
                : parsed.ok() ? QStringLiteral("with one blank around each operator")
                              : parsed.error) +
               QStringLiteral(")"));
    return text;
}

void readBody(const Entry& e, const QJsonValue& value, clsDisplay& d)
{
    const std::variant<PhysicsBody, QString> body = BodyJson::read(value);
    if (const QString* problem = std::get_if<QString>(&body))
        e.fail(*problem);
    const PhysicsBody& b = std::get<PhysicsBody>(body);
    if (b.exists() && !clsDisplay::takesBody(d.dObjType()))
        e.fail(d.isGroup() ? QStringLiteral("a group takes no physics body")
                           : QStringLiteral("a line takes no physics body"));
    d.setBody(b);
}

void readDisplayVersion3(const Entry& e, clsDisplay& d)
{
    readBody(e, e.value(QStringLiteral("body")), d);
    d.setX(readPosition(e, QStringLiteral("x")));
    d.setY(readPosition(e, QStringLiteral("y")));
    DisplayProperties p;
    p.alpha = e.number(QStringLiteral("alpha"));
    if (p.alpha < 0 || p.alpha > 1)
        e.fail(QStringLiteral("alpha must be 0 to 1"));
    p.rotation = e.number(QStringLiteral("rotation"));
    p.xScale = e.number(QStringLiteral("xScale"));
    p.yScale = e.number(QStringLiteral("yScale"));
    if (p.xScale == 0 || p.yScale == 0)
        e.fail(QStringLiteral("xScale and yScale cannot be 0"));
    p.strokeWidth = e.whole(QStringLiteral("strokeWidth"), 0, DisplayProperties::strokeWidthMax);
    p.strokeColour = e.whole(QStringLiteral("strokeColour"));
    d.setProperties(p);
}

std::unique_ptr<ModelObject> readDisplay(const Entry& e, int version)
{
    // Built once: a full workspace checks tens of thousands of objects.
    static const QStringList keys{"kind",      "varName",  "dObjType", "parGroup", "eventHandling",
                                  "x",         "y",        "sWidth",   "sHeight",  "sRounding",
                                  "reference", "filename", "Colour",   "sFontName"};
    static const QStringList keys3 = keys + displayVersion3Keys();
    e.requireExactly(version >= 3 ? keys3 : keys);
    auto d = std::make_unique<clsDisplay>();
    d->setVarName(e.text(QStringLiteral("varName"), TextLimits::name));
    // Groups came with version 3.
    d->setDObjType(qint16(e.whole(QStringLiteral("dObjType"), 0,
                                  version >= 3 ? clsDisplay::kindCount - 1 : clsDisplay::Group - 1)));
    d->setParGroup(e.text(QStringLiteral("parGroup"), TextLimits::name));
    d->setEventHandling(e.whole(QStringLiteral("eventHandling")));
    if (version < 3) { // version 3 takes expressions too
        d->setX(e.whole(QStringLiteral("x")));
        d->setY(e.whole(QStringLiteral("y")));
    }
    d->setSWidth(e.whole(QStringLiteral("sWidth")));
    d->setSHeight(e.whole(QStringLiteral("sHeight")));
    d->setSRounding(e.whole(QStringLiteral("sRounding")));
    // An untouched reference list stores -1.
    d->setReference(e.whole(QStringLiteral("reference"), -1, clsDisplay::referencePointCount - 1));
    d->setFilename(e.text(QStringLiteral("filename")));
    d->setColour(e.whole(QStringLiteral("Colour")));
    d->setSFontName(e.text(QStringLiteral("sFontName"), TextLimits::name));
    if (version >= 3)
        readDisplayVersion3(e, *d);
    return d;
}

// The keys version 3 adds to every transition.
const QStringList& transitionVersion3Keys()
{
    static const QStringList keys{"easing"};
    return keys;
}

std::unique_ptr<ModelObject> readTransition(const Entry& e, int version)
{
    static const QStringList keys{
        "kind", "varName", "duration", "delay", "onStart", "onComplete", "transitionDirection", "properties"};
    static const QStringList keys3 = keys + transitionVersion3Keys();
    e.requireExactly(version >= 3 ? keys3 : keys);
    auto t = std::make_unique<clsTransition>();
    t->setVarName(e.text(QStringLiteral("varName"), TextLimits::name));
    t->setDuration(e.whole(QStringLiteral("duration")));
    t->setDelay(e.whole(QStringLiteral("delay")));
    t->setOnStart(e.text(QStringLiteral("onStart"), TextLimits::name));
    t->setOnComplete(e.text(QStringLiteral("onComplete"), TextLimits::name));
    t->setTransitionDirection(qint16(e.whole(QStringLiteral("transitionDirection"), 0, 1)));
    clsTransition* raw = t.get();
    e.pairs(
        QStringLiteral("properties"), TextLimits::name,
        [raw](const QString& key) { return raw->properties().containsKey(key); },
        [raw](const QString& key, const QString& value) { raw->addProperty(value, key); });
    if (version >= 3) {
        t->setEasing(e.text(QStringLiteral("easing"), TextLimits::name));
        if (!Easing::isKnown(t->easing()))
            e.fail(QStringLiteral("easing must be \"\" or the name of an easing function"));
    }
    return t;
}

std::unique_ptr<ModelObject> readAlert(const Entry& e)
{
    static const QStringList keys{"kind", "varName", "title", "message", "buttons"};
    e.requireExactly(keys);
    auto a = std::make_unique<clsAlert>();
    a->setVarName(e.text(QStringLiteral("varName"), TextLimits::name));
    a->setTitle(e.text(QStringLiteral("title")));
    a->setMessage(e.text(QStringLiteral("message")));
    clsAlert* raw = a.get();
    e.pairs(
        QStringLiteral("buttons"), TextLimits::text,
        [raw](const QString& key) { return raw->buttons().containsKey(key); },
        [raw](const QString& key, const QString& value) { raw->addButton(value, key); });
    return a;
}

std::unique_ptr<ModelObject> readObject(const QJsonValue& value, qsizetype number, int version)
{
    const QJsonObject object = value.toObject();
    const Entry e(object, number);
    if (!value.isObject())
        e.fail(QStringLiteral("not a JSON object"));
    const QJsonValue kind = object.value(QStringLiteral("kind"));
    if (kind.isUndefined())
        e.fail(QStringLiteral("missing key \"kind\""));
    if (kind == QLatin1String("Display"))
        return readDisplay(e, version);
    if (kind == QLatin1String("Transition"))
        return readTransition(e, version);
    if (kind == QLatin1String("Alert"))
        return readAlert(e);
    e.fail(QStringLiteral("kind must be \"Display\", \"Transition\" or \"Alert\""));
}

// Line and column (from 1) of a byte offset, for the parser's complaint.
QString placeOf(const QByteArray& bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    const QByteArrayView before(bytes.constData(), offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const qsizetype column = QString::fromUtf8(before.sliced(lineStart)).size() + 1;
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

std::vector<std::unique_ptr<ModelObject>> readArray(const QJsonValue& objects, int version)
{
    if (!objects.isArray())
        throw Problem{QStringLiteral("objects must be an array")};
    const QJsonArray array = objects.toArray();
    std::vector<std::unique_ptr<ModelObject>> result;
    result.reserve(size_t(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i)
        result.push_back(readObject(array.at(i), i + 1, version));
    return result;
}

std::vector<std::unique_ptr<ModelObject>> readDocument(const QByteArray& bytes, const QString& baseFolder,
                                                       WorkspaceReader::Result& result)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw Problem{QStringLiteral("not valid JSON at %1: %2")
                          .arg(placeOf(bytes, error.offset), error.errorString())};
    if (!document.isObject())
        throw Problem{QStringLiteral("not a Quillet workspace: the top level is not a JSON object")};
    const QJsonObject root = document.object();
    const Entry e(root, 0);
    if (root.value(QStringLiteral("format")) != QLatin1String(WorkspaceWriter::format))
        e.fail(
            QStringLiteral("not a Quillet workspace: \"format\" is not \"%1\"").arg(WorkspaceWriter::format));
    // The version comes before the other keys: a newer file may have keys this one does not know.
    if (!root.contains(QStringLiteral("version")))
        e.fail(QStringLiteral("missing key \"version\""));
    const QJsonValue version = root.value(QStringLiteral("version"));
    const double v = version.toDouble();
    if (version.isDouble() && std::isfinite(v) && std::floor(v) == v && v > WorkspaceWriter::version)
        e.fail(QStringLiteral("version %1 was written by a newer Quillet; this one reads up to version %2")
                   .arg(QString::number(v, 'g', 17))
                   .arg(WorkspaceWriter::version));
    const int read = e.whole(QStringLiteral("version"), 1, WorkspaceWriter::version);
    QStringList keys{QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("objects")};
    // Version 3 leaves "project" out where no choice was made.
    if (read == 2 || (read >= 3 && root.contains(QStringLiteral("project"))))
        keys.append(QStringLiteral("project"));
    e.requireExactly(keys);
    if (keys.contains(QStringLiteral("project"))) {
        const QJsonValue project = root.value(QStringLiteral("project"));
        if (project.isNull()) {
            result.project.choice = ProjectLink::Choice::None;
        } else {
            const QString path = e.text(QStringLiteral("project"));
            if (path.isEmpty())
                e.fail(QStringLiteral("project must be a folder's path or null"));
            result.projectText = path;
            result.project.choice = ProjectLink::Choice::Folder;
            result.project.folder =
                QDir::cleanPath(baseFolder.isEmpty() ? path : QDir(baseFolder).absoluteFilePath(path));
        }
    }
    return readArray(root.value(QStringLiteral("objects")), read);
}

} // namespace

WorkspaceReader::Result WorkspaceReader::readObjects(const QJsonValue& objects, int version)
{
    Result result;
    try {
        result.objects = readArray(objects, version);
    } catch (const Problem& problem) {
        result.problem = problem.text;
    }
    return result;
}

WorkspaceReader::Result WorkspaceReader::read(const QByteArray& bytes, const QString& baseFolder)
{
    Result result;
    try {
        result.objects = readDocument(bytes, baseFolder, result);
    } catch (const Problem& problem) {
        result.problem = problem.text;
        result.project = ProjectLink();
        result.projectText.clear();
    }
    return result;
}

WorkspaceReader::Result WorkspaceReader::readFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        Result result;
        result.problem = QFileInfo::exists(path) ? QStringLiteral("not a file")
                                                 : QStringLiteral("the file does not exist");
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        Result result;
        result.problem = QStringLiteral("the file cannot be read: ") + file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Result result;
        result.problem = QStringLiteral("the file cannot be read: ") + file.errorString();
        return result;
    }
    return read(bytes, QFileInfo(path).absolutePath());
}
