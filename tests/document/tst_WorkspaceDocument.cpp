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

// hero, trail, warn: one object of each kind.
void fill(WorkspaceDocument& document)
{
    std::vector<std::unique_ptr<ModelObject>> objects;
    objects.push_back(std::make_unique<clsDisplay>());
    objects.push_back(std::make_unique<clsTransition>());
    objects.push_back(std::make_unique<clsAlert>());
    for (int i = 0; i < 3; ++i)
        objects[size_t(i)]->setVarName(QStringList{"hero", "trail", "warn"}[i]);
    document.reset(std::move(objects));
}

QStringList names(const WorkspaceDocument& document)
{
    QStringList all;
    for (const ModelObject* object : document.objects().objects())
        all << object->ObjType().left(1) + QLatin1Char(':') + object->varName();
    return all;
}

// The position the last selectRequested asked for, or -1 when none was asked for.
qsizetype lastSelection(QSignalSpy& spy)
{
    const qsizetype position = spy.isEmpty() ? -1 : spy.last().at(0).value<qsizetype>();
    spy.clear();
    return position;
}

} // namespace

class tst_WorkspaceDocument : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void stepUndoRedo_data();
    void stepUndoRedo();
    void stepsThatChangeNothingAreNotRecorded();
    void savedStateAndReset();
};

void tst_WorkspaceDocument::stepUndoRedo_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<qsizetype>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");
    // Selections asked for after the step, its undo and its redo; -1: none asked for.
    QTest::addColumn<QList<qsizetype>>("selections");

    const QString a = "D:hero", b = "T:trail", c = "A:warn";
    // A "&" in a name must not become a mnemonic of the Undo entry.
    QTest::newRow("add") << Step::Add << qsizetype(0) << "Add b&&w" << QStringList{a, b, c, "D:b&w"}
                         << QList<qsizetype>{-1, 0, 4};
    QTest::newRow("edit renames") << Step::Edit << qsizetype(2) << "Edit trail"
                                  << QStringList{a, "T:trail2", c} << QList<qsizetype>{2, 2, 2};
    QTest::newRow("move last") << Step::Move << qsizetype(3) << "Move warn" << QStringList{a, b, "A:warn2"}
                               << QList<qsizetype>{3, 3, 3};
    QTest::newRow("delete first") << Step::Delete << qsizetype(1) << "Delete hero" << QStringList{b, c}
                                  << QList<qsizetype>{0, 1, 0};
}

void tst_WorkspaceDocument::stepUndoRedo()
{
    QFETCH(Step, step);
    QFETCH(qsizetype, position);
    QFETCH(QString, text);
    QFETCH(QStringList, after);
    QFETCH(QList<qsizetype>, selections);
    WorkspaceDocument document;
    fill(document);
    const QStringList before = names(document);
    const QList<const ModelObject*> originals = document.objects().objects();
    QSignalSpy changed(&document, &WorkspaceDocument::objectsChanged);
    QSignalSpy selected(&document, &WorkspaceDocument::selectRequested);
    const std::unique_ptr<QAction> undo(document.undoStack()->createUndoAction(nullptr));

    if (step == Step::Add) {
        auto box = std::make_unique<clsDisplay>();
        box->setVarName(QStringLiteral("b&w"));
        document.addObject(std::move(box));
    } else if (step == Step::Delete) {
        document.removeObject(position);
    } else {
        std::unique_ptr<ModelObject> copy = document.objects().at(position)->clone();
        copy->setVarName(copy->varName() + QLatin1Char('2'));
        document.replaceObject(position, std::move(copy), step == Step::Edit ? "Edit" : "Move");
    }
    QCOMPARE(names(document), after);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(lastSelection(selected), selections[0]);
    QCOMPARE(undo->text(), "Undo " + text);

    document.undoStack()->undo();
    QCOMPARE(names(document), before);
    QCOMPARE(document.objects().objects(), originals); // the very objects, not look-alikes
    QCOMPARE(lastSelection(selected), selections[1]);

    document.undoStack()->redo();
    QCOMPARE(names(document), after);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(lastSelection(selected), selections[2]);
}

void tst_WorkspaceDocument::stepsThatChangeNothingAreNotRecorded()
{
    WorkspaceDocument document;
    fill(document);
    const QStringList before = names(document);
    QSignalSpy changed(&document, &WorkspaceDocument::objectsChanged);

    document.addObject(nullptr);
    document.removeObject(0);
    document.removeObject(4);
    document.replaceObject(4, std::make_unique<clsAlert>(), "Edit");
    document.replaceObject(1, nullptr, "Edit");
    document.replaceObject(2, document.objects().at(2)->clone(), "Edit"); // confirmed without a change

    QCOMPARE(document.undoStack()->count(), 0);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(names(document), before);
}

void tst_WorkspaceDocument::savedStateAndReset()
{
    WorkspaceDocument document;
    QSignalSpy modified(&document, &WorkspaceDocument::modifiedChanged);
    document.addObject(std::make_unique<clsAlert>());
    document.markSaved();
    document.undoStack()->undo();
    QVERIFY(document.isModified());
    document.undoStack()->redo();
    QVERIFY(!document.isModified());
    QCOMPARE(modified.count(), 4);

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
