#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "WorkspaceDocument.h"

#include <QAction>
#include <QSignalSpy>
#include <QtTest>
#include <QUndoStack>

namespace {

enum class Step
{
    Add,
    Edit,
    Move,
    Delete
};

std::unique_ptr<ModelObject> made(const QString& name)
{
    std::unique_ptr<ModelObject> object;
    if (name.startsWith(QLatin1Char('t')))
        object = std::make_unique<clsTransition>();
    else if (name.startsWith(QLatin1Char('w')))
        object = std::make_unique<clsAlert>();
    else
        object = std::make_unique<clsDisplay>();
    object->setVarName(name);
    return object;
}

// hero, trail, warn: one object of each kind.
void fill(WorkspaceDocument& document)
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    for (const char* name : {"hero", "trail", "warn"})
        objects.push_back(made(QString::fromLatin1(name)));
    document.reset(std::move(objects));
}

QStringList names(const WorkspaceDocument& document)
{
    QStringList all;
    for (const ModelObject* object : document.objects().objects())
        all << object->ObjType().left(1) + QLatin1Char(':') + object->varName();
    return all;
}

// The position asked for by the last selectRequested, or -1 when none was asked for.
qsizetype lastSelection(const QSignalSpy& spy)
{
    return spy.isEmpty() ? -1 : spy.last().at(0).value<qsizetype>();
}

} // namespace

class tst_WorkspaceDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepUndoRedo_data();
    void stepUndoRedo();
    void stepsOutsideTheCollectionMakeNone();
    void modifiedFollowsTheSavedStep();
    void resetForgetsTheHistory();
};

void tst_WorkspaceDocument::stepUndoRedo_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<qsizetype>("selectAfter"); // -1: the step asks for no selection
    QTest::addColumn<qsizetype>("selectAfterUndo");
    QTest::addColumn<qsizetype>("selectAfterRedo");

    const QString a = QStringLiteral("D:hero"), b = QStringLiteral("T:trail"), c = QStringLiteral("A:warn");
    QTest::newRow("add") << Step::Add << qsizetype(0) << "Add box" << QStringList{a, b, c, "D:box"}
                         << qsizetype(-1) << qsizetype(0) << qsizetype(4);
    QTest::newRow("edit middle renamed")
        << Step::Edit << qsizetype(2) << "Edit trail" << QStringList{a, "T:trail2", c} << qsizetype(2)
        << qsizetype(2) << qsizetype(2);
    QTest::newRow("move last") << Step::Move << qsizetype(3) << "Move warn" << QStringList{a, b, "A:warn2"}
                               << qsizetype(3) << qsizetype(3) << qsizetype(3);
    QTest::newRow("delete first") << Step::Delete << qsizetype(1) << "Delete hero" << QStringList{b, c}
                                  << qsizetype(0) << qsizetype(1) << qsizetype(0);
    QTest::newRow("delete middle") << Step::Delete << qsizetype(2) << "Delete trail" << QStringList{a, c}
                                   << qsizetype(0) << qsizetype(2) << qsizetype(0);
    QTest::newRow("delete last") << Step::Delete << qsizetype(3) << "Delete warn" << QStringList{a, b}
                                 << qsizetype(0) << qsizetype(3) << qsizetype(0);
}

void tst_WorkspaceDocument::stepUndoRedo()
{
    QFETCH(Step, step);
    QFETCH(qsizetype, position);
    QFETCH(QString, text);
    QFETCH(QStringList, after);
    QFETCH(qsizetype, selectAfter);
    QFETCH(qsizetype, selectAfterUndo);
    QFETCH(qsizetype, selectAfterRedo);

    WorkspaceDocument document;
    fill(document);
    const QStringList before = names(document);
    const QList<const ModelObject*> originals = document.objects().objects();
    QSignalSpy changed(&document, &WorkspaceDocument::objectsChanged);
    QSignalSpy selected(&document, &WorkspaceDocument::selectRequested);
    const std::unique_ptr<QAction> undoAction(document.undoStack()->createUndoAction(nullptr));

    switch (step) {
    case Step::Add:
        document.addObject(made(QStringLiteral("box")));
        break;
    case Step::Edit:
    case Step::Move: {
        std::unique_ptr<ModelObject> copy = document.objects().at(position)->clone();
        copy->setVarName(copy->varName() + QLatin1Char('2'));
        document.replaceObject(position, std::move(copy),
                               step == Step::Edit ? QStringLiteral("Edit") : QStringLiteral("Move"));
        break;
    }
    case Step::Delete:
        document.removeObject(position);
        break;
    }
    QCOMPARE(names(document), after);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(lastSelection(selected), selectAfter);
    QCOMPARE(undoAction->text(), QStringLiteral("Undo ") + text);

    selected.clear();
    document.undoStack()->undo();
    QCOMPARE(names(document), before);
    // The very objects come back, not look-alikes.
    QCOMPARE(document.objects().objects(), originals);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(lastSelection(selected), selectAfterUndo);

    selected.clear();
    document.undoStack()->redo();
    QCOMPARE(names(document), after);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(lastSelection(selected), selectAfterRedo);
}

void tst_WorkspaceDocument::stepsOutsideTheCollectionMakeNone()
{
    WorkspaceDocument document;
    fill(document);
    const QStringList before = names(document);
    QSignalSpy changed(&document, &WorkspaceDocument::objectsChanged);

    document.addObject(nullptr);
    document.removeObject(0);
    document.removeObject(4);
    document.replaceObject(4, made(QStringLiteral("x")), QStringLiteral("Edit"));
    document.replaceObject(1, nullptr, QStringLiteral("Edit"));

    QCOMPARE(document.undoStack()->count(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(names(document), before);
}

void tst_WorkspaceDocument::modifiedFollowsTheSavedStep()
{
    WorkspaceDocument document;
    QSignalSpy modified(&document, &WorkspaceDocument::modifiedChanged);
    QVERIFY(!document.isModified());

    document.addObject(made(QStringLiteral("hero")));
    QVERIFY(document.isModified());
    document.markSaved();
    QVERIFY(!document.isModified());
    document.undoStack()->undo();
    QVERIFY(document.isModified());
    document.undoStack()->redo();
    QVERIFY(!document.isModified());

    QCOMPARE(modified.count(), 4);
    QCOMPARE(modified.last().at(0).toBool(), false);
}

void tst_WorkspaceDocument::resetForgetsTheHistory()
{
    WorkspaceDocument document;
    document.addObject(made(QStringLiteral("hero")));
    document.removeObject(1);
    QSignalSpy selected(&document, &WorkspaceDocument::selectRequested);

    fill(document);

    QCOMPARE(names(document), QStringList({"D:hero", "T:trail", "A:warn"}));
    QCOMPARE(document.undoStack()->count(), 0);
    QVERIFY(!document.isModified());
    QCOMPARE(lastSelection(selected), qsizetype(0));
}

QTEST_MAIN(tst_WorkspaceDocument)
#include "tst_WorkspaceDocument.moc"
