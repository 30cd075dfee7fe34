#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ErrorHook.h"
#include "WorkspaceReader.h"
#include "WorkspaceWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// The .quillet reader against files the writer made and files broken on purpose.
class tst_WorkspaceReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void refuses_data();
    void refuses();
    void refusesBytes_data();
    void refusesBytes();
    void refusesFile();
    void roundTripKeepsSnippets();

private:
    QStringList m_reported;
};

namespace {

std::vector<std::unique_ptr<ModelObject>> sampleObjects()
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    auto d = std::make_unique<clsDisplay>();
    d->init();
    d->setVarName(QStringLiteral("hero"));
    d->setDObjType(clsDisplay::Image);
    d->setFilename(QStringLiteral("hero.png"));
    objects.push_back(std::move(d));
    auto t = std::make_unique<clsTransition>();
    t->setVarName(QStringLiteral("hero"));
    t->addProperty(QStringLiteral("100"), QStringLiteral("x"));
    t->addProperty(QStringLiteral("0.5"), QStringLiteral("alpha"));
    objects.push_back(std::move(t));
    auto a = std::make_unique<clsAlert>();
    a->setVarName(QStringLiteral("ask"));
    a->addButton(QStringLiteral("1"), QStringLiteral("OK"));
    objects.push_back(std::move(a));
    return objects;
}

QList<const ModelObject*> view(const std::vector<std::unique_ptr<ModelObject>>& objects)
{
    QList<const ModelObject*> list;
    for (const auto& o : objects)
        list.append(o.get());
    return list;
}

// Sets (or, with an undefined value, removes) the value at a path like "objects/2/x".
QJsonValue changed(const QJsonValue& node, QStringList path, const QJsonValue& value)
{
    const QString step = path.takeFirst();
    if (node.isArray()) {
        QJsonArray array = node.toArray();
        const int index = step.toInt();
        if (path.isEmpty())
            array[index] = value;
        else
            array[index] = changed(array.at(index), path, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = path.isEmpty() ? value : changed(object.value(step), path, value);
    return object;
}

QString randomText(QRandomGenerator& random)
{
    static const QStringList pieces{"a", "Z", " ", "\"", "\\", "\n", "\t", "é", "ß", "\u00A0",
                                    "😀", "{", "}", "[",  "]",  ",",  ":",  "0", "-"};
    QString text;
    const int n = random.bounded(6);
    for (int i = 0; i < n; ++i)
        text += pieces.at(random.bounded(int(pieces.size())));
    return text;
}

qint32 randomWhole(QRandomGenerator& random)
{
    switch (random.bounded(4)) {
    case 0:
        return std::numeric_limits<qint32>::min();
    case 1:
        return std::numeric_limits<qint32>::max();
    default:
        return qint32(random.generate());
    }
}

std::unique_ptr<ModelObject> randomObject(QRandomGenerator& random)
{
    std::unique_ptr<ModelObject> object;
    switch (random.bounded(3)) {
    case 0: {
        auto d = std::make_unique<clsDisplay>();
        d->setDObjType(qint16(random.bounded(clsDisplay::kindCount)));
        d->setParGroup(randomText(random));
        d->setEventHandling(random.bounded(16));
        d->setX(randomWhole(random));
        d->setY(randomWhole(random));
        d->setSWidth(randomWhole(random));
        d->setSHeight(randomWhole(random));
        d->setSRounding(randomWhole(random));
        d->setReference(random.bounded(-1, clsDisplay::referencePointCount));
        d->setFilename(randomText(random));
        d->setColour(randomWhole(random));
        d->setSFontName(randomText(random));
        object = std::move(d);
        break;
    }
    case 1: {
        auto t = std::make_unique<clsTransition>();
        t->setDuration(randomWhole(random));
        t->setDelay(randomWhole(random));
        t->setOnStart(randomText(random));
        t->setOnComplete(randomText(random));
        t->setTransitionDirection(qint16(random.bounded(2)));
        for (int i = random.bounded(5); i > 0; --i) {
            const QString key = randomText(random);
            if (!t->properties().containsKey(key))
                t->addProperty(randomText(random), key);
        }
        object = std::move(t);
        break;
    }
    default: {
        auto a = std::make_unique<clsAlert>();
        a->setTitle(randomText(random));
        a->setMessage(randomText(random));
        for (int i = random.bounded(5); i > 0; --i) {
            const QString key = randomText(random);
            if (!a->buttons().containsKey(key))
                a->addButton(randomText(random), key);
        }
        object = std::move(a);
        break;
    }
    }
    object->setVarName(randomText(random));
    return object;
}

} // namespace

void tst_WorkspaceReader::initTestCase()
{
    ErrorHook::set([this](const QString& description) { m_reported.append(description); });
}

void tst_WorkspaceReader::refuses_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("problem");
    const QJsonValue gone(QJsonValue::Undefined);
    QTest::newRow("other format") << "format" << QJsonValue("quilt")
                                  << "not a Quillet workspace: \"format\" is not \"quillet-workspace\"";
    QTest::newRow("newer version") << "version" << QJsonValue(2)
                                   << "version 2 was written by a newer Quillet; this one reads version 1";
    QTest::newRow("version zero") << "version" << QJsonValue(0) << "version must be 1";
    QTest::newRow("version text") << "version" << QJsonValue("1") << "version must be a whole number";
    QTest::newRow("no objects") << "objects" << gone << "missing key \"objects\"";
    QTest::newRow("extra top key") << "author" << QJsonValue("me") << "unknown key \"author\"";
    QTest::newRow("objects not array")
        << "objects" << QJsonValue(QJsonObject()) << "objects must be an array";
    QTest::newRow("object not object") << "objects/1" << QJsonValue(3) << "object 2: not a JSON object";
    QTest::newRow("no kind") << "objects/0/kind" << gone << "object 1: missing key \"kind\"";
    QTest::newRow("unknown kind") << "objects/0/kind" << QJsonValue("display")
                                  << "object 1: kind must be \"Display\", \"Transition\" or \"Alert\"";
    QTest::newRow("missing display key")
        << "objects/0/sFontName" << gone << "object 1: missing key \"sFontName\"";
    QTest::newRow("key of another kind")
        << "objects/2/duration" << QJsonValue(5) << "object 3: unknown key \"duration\"";
    QTest::newRow("text as number") << "objects/0/varName" << QJsonValue(7)
                                    << "object 1: varName must be a text";
    QTest::newRow("lone surrogate") << "objects/2/title" << QJsonValue(QString(QChar(0xD800)))
                                    << "object 3: title is not valid Unicode text";
    QTest::newRow("fraction") << "objects/0/x" << QJsonValue(1.5) << "object 1: x must be a whole number";
    QTest::newRow("number as text") << "objects/0/y" << QJsonValue("5")
                                    << "object 1: y must be a whole number";
    QTest::newRow("beyond 32 bits") << "objects/0/sWidth" << QJsonValue(2147483648.0)
                                    << "object 1: sWidth must be -2147483648 to 2147483647";
    QTest::newRow("kind out of range")
        << "objects/0/dObjType" << QJsonValue(7) << "object 1: dObjType must be 0 to 6";
    QTest::newRow("reference below -1")
        << "objects/0/reference" << QJsonValue(-2) << "object 1: reference must be -1 to 8";
    QTest::newRow("direction 2") << "objects/1/transitionDirection" << QJsonValue(2)
                                 << "object 2: transitionDirection must be 0 or 1";
    QTest::newRow("pairs not array") << "objects/1/properties" << QJsonValue("x=1")
                                     << "object 2: properties must be an array of pairs";
    QTest::newRow("pair of three") << "objects/1/properties/1" << QJsonValue(QJsonArray{"y", "1", "2"})
                                   << "object 2: properties pair 2 must be an array of two texts";
    QTest::newRow("pair with number") << "objects/2/buttons/0" << QJsonValue(QJsonArray{"OK", 1})
                                      << "object 3: buttons pair 1 must be an array of two texts";
    QTest::newRow("key in other case")
        << "objects/1/properties/1" << QJsonValue(QJsonArray{"X", "1"})
        << "object 2: properties pair 2: the key \"X\" is already in use (letter case does not count)";
}

void tst_WorkspaceReader::refuses()
{
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QFETCH(QString, problem);
    const QJsonDocument good = QJsonDocument::fromJson(WorkspaceWriter::write(view(sampleObjects())));
    QVERIFY(WorkspaceReader::read(good.toJson()).ok());
    const QJsonValue broken = changed(good.object(), path.split(QLatin1Char('/')), value);
    const WorkspaceReader::Result result = WorkspaceReader::read(QJsonDocument(broken.toObject()).toJson());
    QCOMPARE(result.problem, problem);
    QVERIFY(result.objects.empty());
}

void tst_WorkspaceReader::refusesBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("empty") << QByteArray() << "not valid JSON at line 1, column 1: illegal value";
    QTest::newRow("cut short") << QByteArray("{\n  \"format\": \"quillet-workspace\",\n  \"objects\": [")
                               << "not valid JSON at line 3, column 15: unterminated array";
    QTest::newRow("top-level array") << QByteArray("[]")
                                     << "not a Quillet workspace: the top level is not a JSON object";
    QTest::newRow("no version") << QByteArray(R"({"format": "quillet-workspace", "objects": []})")
                                << "missing key \"version\"";
}

void tst_WorkspaceReader::refusesBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QCOMPARE(WorkspaceReader::read(bytes).problem, problem);
}

void tst_WorkspaceReader::refusesFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(WorkspaceReader::readFile(dir.filePath("none.quillet")).problem, "the file does not exist");
    QCOMPARE(WorkspaceReader::readFile(dir.path()).problem, "not a file");
}

void tst_WorkspaceReader::roundTripKeepsSnippets()
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 50; ++round) {
        std::vector<std::unique_ptr<ModelObject>> objects;
        for (int i = random.bounded(8); i >= 0; --i)
            objects.push_back(randomObject(random));
        const QByteArray saved = WorkspaceWriter::write(view(objects));
        const WorkspaceReader::Result read = WorkspaceReader::read(saved);
        QVERIFY2(read.ok(), qPrintable(read.problem));
        QCOMPARE(WorkspaceWriter::write(view(read.objects)), saved);
        QCOMPARE(read.objects.size(), objects.size());
        for (size_t i = 0; i < objects.size(); ++i) {
            QCOMPARE(read.objects[i]->ObjType(), objects[i]->ObjType());
            for (GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2})
                QCOMPARE(read.objects[i]->codeSnippet(api), objects[i]->codeSnippet(api));
        }
    }
    QCOMPARE(m_reported, QStringList());
}

QTEST_APPLESS_MAIN(tst_WorkspaceReader)
#include "tst_WorkspaceReader.moc"
