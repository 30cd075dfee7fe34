#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ColorDialog.h"
#include "frmMain.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "TestSettings.h"

#include <Qsci/qsciscintilla.h>

#include <QSettings>
#include <QStandardPaths>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <functional>

using Expected = std::function<std::unique_ptr<ModelObject>()>;
Q_DECLARE_METATYPE(Expected)

namespace {

// What each road below should hand to the main window, built directly.
std::unique_ptr<ModelObject> heroRect()
{
    auto d = std::make_unique<clsDisplay>();
    d->setVarName("hero");
    d->setDObjType(clsDisplay::Rect);
    d->setEventHandling(clsDisplay::Began);
    d->setX(10);
    d->setY(20);
    d->setSWidth(100);
    d->setSHeight(50);
    d->setReference(-1);
    d->setColour(255);
    return d;
}

std::unique_ptr<ModelObject> askAlert()
{
    auto a = std::make_unique<clsAlert>();
    a->setVarName("ask");
    a->setTitle("Quit?");
    a->setMessage("Leave now");
    a->addButton("btnYes", "Yes");
    a->addButton("btnNo", "No");
    return a;
}

std::unique_ptr<ModelObject> heroSlide()
{
    auto t = std::make_unique<clsTransition>();
    t->setVarName("hero");
    t->setDuration(1500);
    t->setDelay(250);
    t->setOnStart(QString());
    t->setOnComplete("done");
    t->setTransitionDirection(1);
    t->addProperty("change_this", "x");
    t->addProperty("change_this", "y");
    t->addProperty("0.5", "alpha");
    return t;
}

} // namespace

// A user's whole road: a toolbar button opens the editor, the user fills it and presses OK,
// the tree lists the object under its kind, and a click on its node shows its snippet.
class tst_EditorRoads : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void wholeRoad_data();
    void wholeRoad();
};

void tst_EditorRoads::wholeRoad_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("pairs"); // key, value, key, value... through "+"
    QTest::addColumn<Expected>("expected");
    // clang-format off
    QTest::newRow("display") << "display"
        << QStringList{"txtVarName=hero", "cboObject=2", "chkBegan", "txtX=10", "txtY=20.5", "txtWidth=100",
                       "txtHeight=50px", "Command2"}
        << QStringList{} << Expected(heroRect);
    QTest::newRow("alert") << "alert"
        << QStringList{"txtVarName=ask", "txtTitle=Quit?", "txtMsg=Leave now"}
        << QStringList{"Yes", "btnYes", "No", "btnNo"} << Expected(askAlert);
    QTest::newRow("transition") << "trans"
        << QStringList{"txtVarName=hero", "txtDuration=1 500", "txtDelay=250", "txtOnComplete=done", "optFrom",
                       "mnuPos"}
        << QStringList{"alpha", "0.5"} << Expected(heroSlide);
    // clang-format on
}

void tst_EditorRoads::wholeRoad()
{
    QFETCH(QString, button);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, pairs);
    QFETCH(Expected, expected);
    MessageBox::setRecording(true);
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    colorDialog()->setNextColor(Qt::red);
    ModalDriver::whenModal([&](QWidget* editor) {
        ModalDriver::fill(editor, entries);
        for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
            ModalDriver::enterPair(editor, pairs[i], pairs[i + 1]);
        ModalDriver::press(editor, "cmdOK");
        if (editor->isVisible())
            ModalDriver::press(editor, "cmdCancel");
    });
    auto* toolbar = window.findChild<QToolBar*>("Toolbar1");
    QTest::mouseClick(toolbar->widgetForAction(toolbar->findChild<QAction*>(button)), Qt::LeftButton);
    QCOMPARE(MessageBox::takeShown().size(), 0);
    auto* deleteButton = toolbar->findChild<QAction*>("delete");
    QVERIFY(!deleteButton->isEnabled());

    const std::unique_ptr<ModelObject> model = expected();
    auto* tree = window.findChild<QTreeWidget*>("tv1");
    QTreeWidgetItem* node = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == model->varName() && (*it)->parent() &&
            (*it)->parent()->text(0) == model->ObjType())
            node = *it;
    QVERIFY2(node, "the object is not listed under its kind");
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
    QCOMPARE(window.findChild<QsciScintilla*>("txtCode")->text(), model->codeSnippet().value());
    QVERIFY(deleteButton->isEnabled());
}

QTEST_MAIN(tst_EditorRoads)
#include "tst_EditorRoads.moc"
