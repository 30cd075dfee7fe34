#include "clsDisplay.h"
#include "ColorDialog.h"
#include "FileDialog.h"
#include "frmDisplay.h"
#include "Golden.h"
#include "GroupNames.h"
#include "MessageBox.h"
#include "RecordingSink.h"
#include "Ui.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStringListModel>
#include <QtTest>

class tst_frmDisplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void kindTable_data();
    void kindTable();
    void stored_data();
    void stored();
    void hiddenFieldsKeepTheirValues();
    void body();
    void fileButton();
    void drop_data();
    void drop();
    void projectPicture_data();
    void projectPicture();
    void colour_data();
    void colour();
    void parentGroupCompletesGroups();

private:
    RecordingSink sink;
    std::unique_ptr<frmDisplay> dialog;
    template <typename T = QWidget> T* child(const char* name) const { return dialog->findChild<T*>(name); }
};

void tst_frmDisplay::init()
{
    MessageBox::setRecording(true);
    dialog = std::make_unique<frmDisplay>(nullptr, &sink);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
}

void tst_frmDisplay::kindTable_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("captions"); // of width, height, rounding, filename, reference
    const QList<QStringList> rows = Golden::rows("dialogs/golden/DisplayKinds.txt");
    for (int kind = 0; kind < rows.size(); ++kind)
        QTest::newRow(qPrintable(rows[kind].at(0))) << kind << rows[kind].mid(1).replaceInStrings("-", "");
}

void tst_frmDisplay::kindTable()
{
    QFETCH(int, kind);
    QFETCH(QStringList, captions);
    // Start from another kind so that every change has to be made.
    child<QComboBox>("cboObject")->setCurrentIndex(kind == 0 ? 6 : 0);
    child<QComboBox>("cboObject")->setCurrentIndex(kind);
    const char* labels[] = {"lblWidth", "lblHeight", "lblRounding", "lblFilename", "lblReference"};
    const char* fields[] = {"txtWidth", "txtHeight", "txtRounding", "txtFilename", "cboReference"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(child<QLabel>(labels[i])->text(), captions[i]);
        QCOMPARE(child(fields[i])->isVisibleTo(dialog.get()), !captions[i].isEmpty());
    }
    // Only pictures are browsed for, and only drawn kinds have colours.
    const bool picture = captions[3] == "Filename :";
    QCOMPARE(child("Command1")->isVisibleTo(dialog.get()), picture);
    QCOMPARE(child("Command2")->isEnabled(), !picture && kind != clsDisplay::Group);
    for (const char* fixed : {"txtVarName", "txtParentGroup", "txtX", "txtY"})
        QVERIFY(child(fixed)->isVisible());
    QCOMPARE(child("picColor")->isVisible(), kind != clsDisplay::Group);
    // Tab stops only where the user sees a control.
    child("txtVarName")->setFocus();
    QTRY_VERIFY(child("txtVarName")->hasFocus());
    for (const QString& name : Ui::focusWalk(Qt::Key_Tab)) {
        const QWidget* stop = child(qPrintable(name));
        QVERIFY2(stop && stop->isVisible() && !stop->visibleRegion().isEmpty() && stop->isEnabled(),
                 qPrintable(name));
    }
}

void tst_frmDisplay::stored_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("fontName");
    // clang-format off
    QTest::newRow("13.5, 6.5, only ended") << QStringList{"cboObject=2", "txtWidth=13.5", "txtX=6.5", "chkEnded"} << 14 << 6 << 4 << "";
    QTest::newRow("40px, all four")        << QStringList{"cboObject=2", "txtWidth=40px", "txtX=-1", "chkBegan", "chkMoved", "chkEnded", "chkCancelled"} << 40 << -1 << 15 << "";
    QTest::newRow("hidden width too big")  << QStringList{"cboObject=0", "txtWidth=3e9", "txtX=1"} << 0 << 1 << 0 << "";
    QTest::newRow("Text keeps font name")  << QStringList{"cboObject=6", "txtWidth= Arial ", "txtX=1"} << 0 << 1 << 0 << " Arial ";
    // clang-format on
}

void tst_frmDisplay::stored()
{
    QFETCH(QStringList, entries);
    Ui::fill(dialog.get(), QStringList{"txtVarName=obj", "txtY=2"} + entries);
    Ui::press(dialog.get(), "cmdOK");
    auto* d = sink.last<clsDisplay>();
    QVERIFY(dialog->isHidden() && d);
    QTEST(d->sWidth(), "width");
    QTEST(d->x(), "x");
    QTEST(d->eventHandling(), "flags");
    QTEST(d->sFontName(), "fontName");
}

void tst_frmDisplay::hiddenFieldsKeepTheirValues()
{
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtVarName"));
    Ui::fill(dialog.get(), {"txtVarName=obj", "cboObject=3", "txtX=1", "txtY=2", "txtRounding=12",
                            "txtFilename=ball.png", "chkEnded", "cboObject=2"});
    QVERIFY(child("txtRounding")->isHidden());
    QTest::keyClick(child("txtX"), Qt::Key_Return); // Enter acts as OK
    QVERIFY(dialog->isHidden());
    auto* d = sink.last<clsDisplay>();
    QVERIFY(d);
    QCOMPARE(d->sRounding(), 12);
    QCOMPARE(d->filename(), QStringLiteral("ball.png"));
    QCOMPARE(d->eventHandling(), 4);
    QCOMPARE(d->dObjType(), qint16(clsDisplay::Rect));
}

// The body goes into the object and back into a new editor; a line's section is closed.
void tst_frmDisplay::body()
{
    for (const auto& [name, shown] :
         {std::pair{"txtDensity", "1"}, {"txtFriction", "0.3"}, {"txtBounce", "0.2"}})
        QCOMPARE(child<QLineEdit>(name)->text(), QString(shown));
    QCOMPARE(child<QComboBox>("cboBody")->currentText() + child<QComboBox>("cboShape")->currentText(),
             "NoneBox");
    Ui::fill(dialog.get(), {"txtVarName=crate", "cboObject=5", "txtX=1", "txtY=2"});
    QVERIFY(!child("PhysicsSection")->isEnabled());
    QCOMPARE(child("PhysicsSection")->toolTip(), QStringLiteral("A line takes no physics body."));
    Ui::fill(dialog.get(), {"cboObject=4", "cboBody=3", "txtDensity=2.5", "txtFriction= 0 ", "txtBounce=0.1",
                            "chkSensor", "cboShape=1"});
    Ui::press(dialog.get(), "cmdOK");
    auto* d = sink.last<clsDisplay>();
    QVERIFY(d);
    const PhysicsBody expected{PhysicsBody::Kinematic, 2.5, 0, 0.1, true, PhysicsBody::Circle};
    QVERIFY(d->body() == expected);
    frmDisplay again(nullptr, nullptr);
    again.loadObject(*d);
    again.show();
    Ui::press(&again, "cmdOK");
    QVERIFY(static_cast<clsDisplay*>(again.takeObject().get())->body() == expected);
}

void tst_frmDisplay::fileButton()
{
    auto* field = child<QLineEdit>("txtFilename");
    fileDialog()->setNextFileName("/home/me/art work/ball.png");
    Ui::press(dialog.get(), "Command1");
    QCOMPARE(field->text(), QStringLiteral("ball.png"));
    QCOMPARE(fileDialog()->lastCaption(), QStringLiteral("Choose the filename"));
    QCOMPARE(fileDialog()->lastFilter(), QStringLiteral("PNG Files (*.png)"));
    fileDialog()->setNextFileName(QString()); // cancelled
    Ui::press(dialog.get(), "Command1");
    QCOMPARE(field->text(), QStringLiteral("ball.png"));
}

void tst_frmDisplay::drop_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("expected");
    const QUrl ball = QUrl::fromLocalFile("/tmp/art/ball.png");
    const QUrl web("https://example.org/a.png");
    const QString path = QDir::toNativeSeparators("/tmp/art/ball.png");
    QTest::newRow("two files") << QList<QUrl>{ball, QUrl::fromLocalFile("/tmp/b.png")} << path;
    QTest::newRow("web link first") << QList<QUrl>{web, ball} << path;
    QTest::newRow("web link only") << QList<QUrl>{web} << "kept";
    QTest::newRow("text only") << QList<QUrl>{} << "kept";
}

void tst_frmDisplay::drop()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, expected);
    auto* field = child<QLineEdit>("txtFilename");
    field->setText("kept");
    QMimeData data;
    data.setUrls(urls);
    data.setText("dragged words");
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QCOMPARE(enter.isAccepted(), expected != "kept");
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &dropped);
    QCOMPARE(field->text(), expected);
}

void tst_frmDisplay::projectPicture_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("startIn");
    QTest::addColumn<QString>("answer");
    for (const QStringList& row : Golden::rows("dialogs/golden/ProjectPictures.txt"))
        QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4] << row.value(5);
}

void tst_frmDisplay::projectPicture()
{
    QFETCH(QString, chosen);
    QFETCH(QString, startIn);
    QFETCH(QString, answer); // to the question for a picture from outside; "copy as" names the copy
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("game/images") && QDir(dir.path()).mkpath("other"));
    const auto write = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    write("other/hero.png", "new");
    write("game/images/hero.png", "old");
    dialog->setProjectFolder(dir.filePath("game"));
    auto* field = child<QLineEdit>("txtFilename");
    QFETCH(QString, current);
    field->setText(current);
    fileDialog()->setNextFileName(dir.filePath(chosen));
    const QHash<QString, MessageBox::Answer> answers{{"copy", MessageBox::Answer::Copy},
                                                     {"use", MessageBox::Answer::UseAnyway},
                                                     {"cancel", MessageBox::Answer::Cancel}};
    if (!answer.isEmpty())
        MessageBox::setNextAnswer(answers.value(answer.section(' ', 0, 0)));
    for (const QString& name : answer.section(' ', 2).split(' ', Qt::SkipEmptyParts))
        fileDialog()->setNextFileName(name == "-" ? QString() : dir.filePath("game/" + name));
    Ui::press(dialog.get(), "Command1");
    QCOMPARE(fileDialog()->lastDir(), dir.filePath(startIn));
    QCOMPARE(fileDialog()->lastFilter(), QStringLiteral("Images (*.png *.jpg)"));
    QTEST(field->text(), "expected");
    const QList<MessageBox::Shown> asked = MessageBox::takeShown();
    QCOMPARE(asked.size(), answer.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QCOMPARE(asked[0].text,
                 QStringLiteral("hero.png is outside the game folder. Copy it into the game?"));
    QCOMPARE(fileDialog()->pendingFileNames(), 0);
    QFile copy(dir.filePath("game/" + field->text()));
    QVERIFY(!answer.startsWith("copy") || answer.endsWith("-") ||
            (copy.open(QIODevice::ReadOnly) && copy.readAll() == "new"));
    QFile kept(dir.filePath("game/images/hero.png"));
    QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == "old"); // never overwritten
    MessageBox::setRecording(true);                                     // no answer left over
}

void tst_frmDisplay::colour_data()
{
    QTest::addColumn<QList<QColor>>("answers"); // invalid: the dialog was cancelled
    QTest::addColumn<int>("stored");
    QTest::newRow("pure blue") << QList<QColor>{Qt::blue} << 16711680;
    QTest::newRow("red, then cancelled") << QList<QColor>{Qt::red, QColor()} << 255;
    QTest::newRow("cancelled at once") << QList<QColor>{QColor()} << 16777215;
}

void tst_frmDisplay::colour()
{
    QFETCH(QList<QColor>, answers);
    QFETCH(int, stored);
    Ui::fill(dialog.get(), {"txtVarName=obj", "cboObject=4", "txtX=1", "txtY=2"});
    for (const QColor& answer : answers) {
        colorDialog()->setNextColor(answer);
        Ui::press(dialog.get(), "Command2");
    }
    QCOMPARE(child("picColor")->palette().color(QPalette::Window), DisplayInput::fromWindowsColour(stored));
    Ui::press(dialog.get(), "cmdOK");
    QCOMPARE(sink.last<clsDisplay>()->Colour(), stored);
}

void tst_frmDisplay::parentGroupCompletesGroups()
{
    GroupNames::setSource([] { return QStringList{"hud", "panel"}; });
    dialog = std::make_unique<frmDisplay>(nullptr, &sink);
    GroupNames::setSource({});
    const QCompleter* completer = child<QLineEdit>("txtParentGroup")->completer();
    QVERIFY(completer);
    QCOMPARE(qobject_cast<QStringListModel*>(completer->model())->stringList(),
             QStringList({"hud", "panel"}));
}

QTEST_MAIN(tst_frmDisplay)
#include "tst_frmDisplay.moc"
