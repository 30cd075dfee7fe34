#include "clsDisplay.h"
#include "ColorDialog.h"
#include "FileDialog.h"
#include "frmDisplay.h"
#include "MessageBox.h"
#include "ModalDriver.h"
#include "RecordingSink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

class tst_frmDisplay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void opensEmpty();
    void kindTable_data();
    void kindTable();
    void hiddenFieldsKeepTheirValues();
    void fileButton();
    void drop_data();
    void drop();
    void colour_data();
    void colour();

private:
    std::unique_ptr<RecordingSink> sink;
    std::unique_ptr<frmDisplay> dialog;
    template <typename T = QWidget> T* child(const char* name) const
    {
        T* found = dialog->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    void type(const char* name, const QString& text) { ModalDriver::type(dialog.get(), name, text); }
    void pick(int kind) { child<QComboBox>("cboObject")->setCurrentIndex(kind); }
    void fillValid(int kind)
    {
        type("txtVarName", "obj");
        pick(kind);
        type("txtX", "1");
        type("txtY", "2");
    }
};

void tst_frmDisplay::init()
{
    MessageBox::setRecording(true);
    sink = std::make_unique<RecordingSink>();
    dialog = std::make_unique<frmDisplay>(nullptr, sink.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
}

void tst_frmDisplay::opensEmpty()
{
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Display Object"));
    QCOMPARE(child<QLabel>("Label15")->text(), QStringLiteral("  Add new Display Object"));
    auto* kinds = child<QComboBox>("cboObject");
    QCOMPARE(kinds->currentIndex(), -1);
    QCOMPARE(kinds->count(), 7);
    QCOMPARE(kinds->itemText(3), QStringLiteral("RoundedRect"));
    auto* points = child<QComboBox>("cboReference");
    QCOMPARE(points->currentIndex(), -1);
    QCOMPARE(points->count(), 9);
    QCOMPARE(points->itemText(8), QStringLiteral("BottomRight"));
    QCOMPARE(dialog->swatchColour(), 16777215);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtVarName"));
}

void tst_frmDisplay::kindTable_data()
{
    // Captions of width, height, rounding, filename and reference; "" means hidden.
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<bool>("browse");
    QTest::addColumn<bool>("select");
    // clang-format off
    QTest::newRow("Image")       << 0 << QStringList{"", "", "", "Filename :", "Reference :"} << true << false;
    QTest::newRow("ImageRect")   << 1 << QStringList{"Width :", "Height :", "", "Filename :", "Reference :"} << true << false;
    QTest::newRow("Rect")        << 2 << QStringList{"Width :", "Height :", "", "", ""} << false << true;
    QTest::newRow("RoundedRect") << 3 << QStringList{"Width :", "Height :", "Rounding :", "", ""} << false << true;
    QTest::newRow("Circle")      << 4 << QStringList{"Radius :", "", "", "", ""} << false << true;
    QTest::newRow("Line")        << 5 << QStringList{"x2 :", "y2 :", "", "", ""} << false << true;
    QTest::newRow("Text")        << 6 << QStringList{"Fontname :", "Fontsize :", "", "Text :", ""} << false << true;
    // clang-format on
}

void tst_frmDisplay::kindTable()
{
    QFETCH(int, kind);
    QFETCH(QStringList, captions);
    QFETCH(bool, browse);
    QFETCH(bool, select);
    // Start from another kind so that every change has to be made.
    pick(kind == 0 ? 6 : 0);
    pick(kind);
    const char* labels[] = {"lblWidth", "lblHeight", "lblRounding", "lblFilename", "lblReference"};
    const char* fields[] = {"txtWidth", "txtHeight", "txtRounding", "txtFilename", "cboReference"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(child<QLabel>(labels[i])->text(), captions[i]);
        QCOMPARE(child(fields[i])->isVisibleTo(dialog.get()), !captions[i].isEmpty());
    }
    QCOMPARE(child("Command1")->isVisibleTo(dialog.get()), browse);
    QCOMPARE(child("Command2")->isEnabled(), select);
    for (const char* fixed : {"txtVarName", "txtParentGroup", "txtX", "txtY", "picColor", "Frame1"})
        QVERIFY(child(fixed)->isVisible());
    QCOMPARE(child<QLabel>("lblX")->text(), QStringLiteral("x :"));
}

void tst_frmDisplay::hiddenFieldsKeepTheirValues()
{
    fillValid(clsDisplay::RoundedRect);
    ModalDriver::fill(dialog.get(), {"txtRounding=12", "txtFilename=ball.png", "chkEnded", "cboObject=2"});
    QVERIFY(child("txtRounding")->isHidden());
    QCOMPARE(child<QLineEdit>("txtRounding")->text(), QStringLiteral("12"));
    // Enter in a field acts as OK.
    QTest::keyClick(child("txtX"), Qt::Key_Return);
    QVERIFY(dialog->isHidden());
    auto* d = sink->last<clsDisplay>();
    QVERIFY(d);
    QCOMPARE(d->sRounding(), 12);
    QCOMPARE(d->filename(), QStringLiteral("ball.png"));
    QCOMPARE(d->eventHandling(), 4);
    QCOMPARE(d->dObjType(), qint16(clsDisplay::Rect));
    QCOMPARE(d->Colour(), 16777215);
}

void tst_frmDisplay::fileButton()
{
    auto* field = child<QLineEdit>("txtFilename");
    fileDialog()->setNextFileName("/home/me/art work/ball.png");
    ModalDriver::press(dialog.get(), "Command1");
    QCOMPARE(field->text(), QStringLiteral("ball.png"));
    QCOMPARE(fileDialog()->lastCaption(), QStringLiteral("Choose the filename"));
    QCOMPARE(fileDialog()->lastFilter(), QStringLiteral("PNG Files (*.png)"));
    QCOMPARE(fileDialog()->lastDir(), frmDisplay::startFolder());
    QVERIFY(QDir(frmDisplay::startFolder()).exists());
    fileDialog()->setNextFileName(QString()); // cancelled
    ModalDriver::press(dialog.get(), "Command1");
    QCOMPARE(field->text(), QStringLiteral("ball.png"));
}

void tst_frmDisplay::drop_data()
{
    QTest::addColumn<QList<QUrl>>("urls");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QUrl ball = QUrl::fromLocalFile("/tmp/art/ball.png");
    const QUrl web("https://example.org/a.png");
    const QString path = QDir::toNativeSeparators("/tmp/art/ball.png");
    // clang-format off
    QTest::newRow("two files")       << QList<QUrl>{ball, QUrl::fromLocalFile("/tmp/b.png")} << "" << path;
    QTest::newRow("web link first")  << QList<QUrl>{web, ball} << "" << path;
    QTest::newRow("text only")       << QList<QUrl>{} << "dragged words" << "kept";
    QTest::newRow("web link only")   << QList<QUrl>{web} << "" << "kept";
    // clang-format on
}

void tst_frmDisplay::drop()
{
    QFETCH(QList<QUrl>, urls);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    auto* field = child<QLineEdit>("txtFilename");
    field->setText("kept");
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QCOMPARE(enter.isAccepted(), expected != "kept");
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &dropped);
    QCOMPARE(field->text(), expected);
}

void tst_frmDisplay::colour_data()
{
    QTest::addColumn<QList<QColor>>("answers"); // invalid: the dialog was cancelled
    QTest::addColumn<int>("stored");
    QTest::newRow("no pick") << QList<QColor>{} << 16777215;
    QTest::newRow("pure red") << QList<QColor>{Qt::red} << 255;
    QTest::newRow("pure blue") << QList<QColor>{Qt::blue} << 16711680;
    QTest::newRow("red, then cancelled") << QList<QColor>{Qt::red, QColor()} << 255;
    QTest::newRow("cancelled at once") << QList<QColor>{QColor()} << 16777215;
}

void tst_frmDisplay::colour()
{
    QFETCH(QList<QColor>, answers);
    QFETCH(int, stored);
    fillValid(clsDisplay::Circle);
    for (const QColor& answer : answers) {
        colorDialog()->setNextColor(answer);
        ModalDriver::press(dialog.get(), "Command2");
    }
    QCOMPARE(dialog->swatchColour(), stored);
    QCOMPARE(child("picColor")->palette().color(QPalette::Window), DisplayInput::fromWindowsColour(stored));
    ModalDriver::press(dialog.get(), "cmdOK");
    QCOMPARE(sink->last<clsDisplay>()->Colour(), stored);
}

QTEST_MAIN(tst_frmDisplay)
#include "tst_frmDisplay.moc"
