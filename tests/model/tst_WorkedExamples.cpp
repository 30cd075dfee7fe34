#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ExpectedText.h"

#include <QtTest>

#include <memory>

using ObjectPtr = std::shared_ptr<ModelObject>;
Q_DECLARE_METATYPE(ObjectPtr)
Q_DECLARE_METATYPE(GraphicsApi)

// Whole snippets of typical objects, byte for byte, as kept in golden/<name>-<1 or 2>.lua.
class tst_WorkedExamples : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void texts_data();
    void texts();
};

static ObjectPtr display(const char* name, qint16 kind, const char* file, qint32 reference, qint32 phases)
{
    auto d = std::make_shared<clsDisplay>();
    d->setVarName(QString::fromLatin1(name));
    d->setDObjType(kind);
    d->setFilename(QString::fromLatin1(file));
    d->setReference(reference);
    d->setX(160);
    d->setY(240);
    d->setSWidth(200);
    d->setSHeight(120);
    d->setEventHandling(phases);
    return d;
}

static ObjectPtr transition(qint16 direction, const char* onStart, const char* onComplete, qint32 delay,
                            const QStringList& properties = {"x=change_this", "y=change_this", "alpha=0.5"})
{
    auto t = std::make_shared<clsTransition>();
    t->setVarName(QStringLiteral("ball"));
    t->setDuration(1500);
    t->setDelay(delay);
    t->setTransitionDirection(direction);
    t->setOnStart(QString::fromLatin1(onStart));
    t->setOnComplete(QString::fromLatin1(onComplete));
    for (const QString& p : properties)
        t->addProperty(p.section(QLatin1Char('='), 1), p.section(QLatin1Char('='), 0, 0));
    return t;
}

static ObjectPtr alert(const char* title, const QStringList& buttons)
{
    auto a = std::make_shared<clsAlert>();
    if (title)
        a->setTitle(QString::fromLatin1(title));
    for (const QString& button : buttons)
        a->addButton(button.section(QLatin1Char('|'), 1), button.section(QLatin1Char('|'), 0, 0));
    return a;
}

void tst_WorkedExamples::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ObjectPtr>("object");
    auto panel = std::static_pointer_cast<clsDisplay>(display("panel", clsDisplay::RoundedRect, "", -1, 0));
    panel->setParGroup(QStringLiteral("menuGroup"));
    panel->setX(20);
    panel->setY(40);
    panel->setSRounding(12);
    panel->setColour(33023);
    const QList<std::pair<const char*, ObjectPtr>> objects{
        {"display-hero", display("hero", clsDisplay::Image, "hero.png", clsDisplay::Center, 15)},
        {"display-panel", panel},
        {"display-sign",
         display("sign", clsDisplay::Text, "Say \"Hi\"", -1, clsDisplay::Began | clsDisplay::Ended)},
        {"display-unplaced", display("pic", clsDisplay::ImageRect, "art\\dir\\", -1, clsDisplay::Moved)},
        {"transition-to", transition(0, "", "", 0)},
        {"transition-listeners", transition(1, "ballStart", "ballDone", 0)},
        {"transition-numbers", transition(0, "ballStart", "ballDone", 250, {"x=300", "alpha=0.5"})},
        {"transition-one-listener", transition(1, " ballEvent", "ballEvent ", -3, {"x=300"})},
        {"transition-blank-listener", transition(0, "  ", "", 0, {})},
        {"alert-ok-cancel", alert(nullptr, {"OK|btnOK", "Cancel|btnCancel"})},
        {"alert-no-buttons", alert("Say \"Hi\"\\n\\\"again\\\"", {})},
    };
    for (const auto& [name, object] : objects) {
        for (const GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2}) {
            const QString file = QStringLiteral("%1-%2.lua").arg(name).arg(api == GraphicsApi::V1 ? 1 : 2);
            QTest::newRow(qPrintable(file)) << file << object;
        }
    }
}

void tst_WorkedExamples::texts()
{
    QFETCH(QString, name);
    QFETCH(ObjectPtr, object);
    const GraphicsApi api = name.endsWith(QLatin1String("-1.lua")) ? GraphicsApi::V1 : GraphicsApi::V2;
    const QString expected = ExpectedText::golden(name);
    QVERIFY2(!expected.isEmpty(), qPrintable(name));
    QCOMPARE(object->codeSnippet(api).value_or(QString()), expected);
}

QTEST_APPLESS_MAIN(tst_WorkedExamples)
#include "tst_WorkedExamples.moc"
