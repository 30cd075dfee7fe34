#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "Golden.h"
#include "ObjectComparison.h"
#include "WorkspaceReader.h"
#include "WorkspaceWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// The .quillet reader against files the writer made and files broken on purpose.
class tst_WorkspaceReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void refuses_data();
    void refuses();
    void refusesBytes_data();
    void refusesBytes();
    void roundTripKeepsEveryField();
    void projectRoundTrip_data();
    void projectRoundTrip();
    void groupsNeedVersion3();
};

namespace {

using Objects = std::vector<std::unique_ptr<ModelObject>>;

QList<const ModelObject*> view(const Objects& objects)
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
        array[step.toInt()] = path.isEmpty() ? value : changed(array.at(step.toInt()), path, value);
        return array;
    }
    QJsonObject object = node.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = path.isEmpty() ? value : changed(object.value(step), path, value);
    return object;
}

} // namespace

void tst_WorkspaceReader::refuses_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<QString>("problem");
    for (const QStringList& row : Golden::rows("document/golden/Refused.txt")) {
        const QJsonValue value =
            row.value(2) == "gone" ? QJsonValue(QJsonValue::Undefined)
                                   : QJsonDocument::fromJson("[" + row.value(2).toUtf8() + "]").array().at(0);
        QTest::newRow(qPrintable(row.value(0))) << row.value(1) << value << row.value(3);
    }
    QTest::newRow("lone surrogate") << "objects/2/title" << QJsonValue(QString(QChar(0xD800)))
                                    << "object 3: title is not valid Unicode text";
    QTest::newRow("long message") << "objects/2/message" << QJsonValue(QString(65537, QChar('m')))
                                  << "object 3: message is longer than 65536 characters";
}

void tst_WorkspaceReader::refuses()
{
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QFETCH(QString, problem);
    clsDisplay display;
    // A body makes the file version 3.
    if (QByteArray(QTest::currentDataTag()).startsWith("body"))
        display.setBody({PhysicsBody::Dynamic});
    // Rows named "v3 ..." change a version 3 file, which a set alpha asks for.
    if (QByteArray(QTest::currentDataTag()).startsWith("v3 "))
        display.setProperties({.alpha = 0.5});
    clsTransition transition;
    transition.addProperty(QStringLiteral("100"), QStringLiteral("x"));
    transition.addProperty(QStringLiteral("0.5"), QStringLiteral("alpha"));
    clsAlert alert;
    alert.addButton(QStringLiteral("1"), QStringLiteral("OK"));
    const QJsonDocument good =
        QJsonDocument::fromJson(WorkspaceWriter::write({&display, &transition, &alert}));
    QCOMPARE(WorkspaceReader::read(good.toJson()).objects.size(), size_t(3));

    const QJsonValue broken = changed(good.object(), path.split(QLatin1Char('/')), value);
    const WorkspaceReader::Result result = WorkspaceReader::read(QJsonDocument(broken.toObject()).toJson());
    QCOMPARE(result.problem, problem);
    QVERIFY(result.objects.empty()); // nothing half read
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

// Every field with a value of its own, at the ends of the ranges, texts that need escaping.
void tst_WorkspaceReader::roundTripKeepsEveryField()
{
    const QString text = QStringLiteral("a \"q\" \\ \n\t é 😀 {],");
    auto d = std::make_unique<clsDisplay>();
    d->setDObjType(clsDisplay::RoundedRect);
    d->setReference(-1);
    d->setEventHandling(13);
    qint32 value = std::numeric_limits<qint32>::min();
    for (auto set : {&clsDisplay::setX, &clsDisplay::setY, &clsDisplay::setSWidth, &clsDisplay::setSHeight,
                     &clsDisplay::setSRounding})
        (d.get()->*set)(value++);
    d->setColour(std::numeric_limits<qint32>::max());
    d->setParGroup(text + QLatin1Char('g'));
    d->setFilename(text + QLatin1Char('f'));
    d->setSFontName(text);
    d->setBody({PhysicsBody::Kinematic, 0.1, 0, 1e-9, true, PhysicsBody::Circle});
    auto t = std::make_unique<clsTransition>();
    t->setDuration(-7);
    t->setDelay(8);
    t->setOnStart(text);
    t->setOnComplete(QString(255, QLatin1Char('n'))); // the longest name
    t->setTransitionDirection(1);
    t->addProperty(QStringLiteral("0.5"), text);
    auto a = std::make_unique<clsAlert>();
    a->setTitle(text);
    a->setMessage(QString(65536, QLatin1Char('m'))); // the longest text
    a->addButton(QStringLiteral("2"), text);
    Objects objects;
    objects.push_back(std::move(d));
    objects.push_back(std::move(t));
    objects.push_back(std::move(a));
    const WorkspaceReader::Result read = WorkspaceReader::read(WorkspaceWriter::write(view(objects)));
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.objects.size(), objects.size());
    for (size_t i = 0; i < objects.size(); ++i)
        QVERIFY2(ObjectComparison::same(*read.objects[i], *objects[i]), qPrintable(QString::number(i + 1)));
}

void tst_WorkspaceReader::projectRoundTrip_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QJsonValue>("stored"); // undefined: version 1, no key
    using Choice = ProjectLink::Choice;
    QTest::newRow("no choice") << int(Choice::Automatic) << QString() << QJsonValue(QJsonValue::Undefined);
    QTest::newRow("explicitly none") << int(Choice::None) << QString() << QJsonValue(QJsonValue::Null);
    QTest::newRow("sibling folder") << int(Choice::Folder) << "/work/games/hero" << QJsonValue("../hero");
    QTest::newRow("its own folder") << int(Choice::Folder) << "/work/games/ws" << QJsonValue(".");
}

void tst_WorkspaceReader::projectRoundTrip()
{
    QFETCH(int, choice);
    QFETCH(QString, folder);
    QFETCH(QJsonValue, stored);
    const ProjectLink link{ProjectLink::Choice(choice), folder};
    const QString file = QStringLiteral("/work/games/ws/level.quillet");
    const QByteArray bytes = WorkspaceWriter::write({}, link, file);
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(root.value(QStringLiteral("version")).toInt(), stored.isUndefined() ? 1 : 2);
    QCOMPARE(root.value(QStringLiteral("project")), stored);
    const WorkspaceReader::Result read = WorkspaceReader::read(bytes, QStringLiteral("/work/games/ws"));
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QCOMPARE(read.project, link);
}

// Only a group makes the file version 3, with the fields a group has not stored blank.
void tst_WorkspaceReader::groupsNeedVersion3()
{
    clsDisplay rect, group;
    group.setDObjType(clsDisplay::Group);
    group.setSWidth(5);
    group.setFilename(QStringLiteral("a.png"));
    const auto version = [](const QJsonObject& root) {
        return root.value(QStringLiteral("version")).toInt();
    };
    QCOMPARE(version(QJsonDocument::fromJson(WorkspaceWriter::write({&rect})).object()), 1);
    const QByteArray bytes = WorkspaceWriter::write({&rect, &group});
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(version(root), 3);
    const QJsonObject stored = root.value(QStringLiteral("objects")).toArray().at(1).toObject();
    QCOMPARE(stored.value(QStringLiteral("sWidth")).toInt(), 0);
    QCOMPARE(stored.value(QStringLiteral("reference")).toInt(), -1);
    QCOMPARE(stored.value(QStringLiteral("filename")).toString(), QString());
    const WorkspaceReader::Result read = WorkspaceReader::read(bytes);
    QVERIFY2(read.ok(), qPrintable(read.problem));
    QVERIFY(clsDisplay::from(read.objects.at(1).get())->isGroup());
}

QTEST_APPLESS_MAIN(tst_WorkspaceReader)
#include "tst_WorkspaceReader.moc"
