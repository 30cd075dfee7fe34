#include "ClearTextBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

class tst_ClearTextBoxes : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptiesTextFieldsOnly();
};

void tst_ClearTextBoxes::emptiesTextFieldsOnly()
{
    QWidget window;
    auto* line = new QLineEdit("Text1", &window);
    auto* frame = new QGroupBox(&window);
    auto* nested = new QLineEdit("inside a frame", frame);
    auto* plain = new QPlainTextEdit("several\nlines", &window);
    auto* rich = new QTextEdit("rich", frame);
    auto* label = new QLabel("Label", &window);
    auto* box = new QCheckBox("chk", &window);
    box->setChecked(true);
    auto* list = new QComboBox(&window);
    list->addItems({"a", "b"});
    list->setCurrentIndex(1);
    auto* editable = new QComboBox(frame);
    editable->setEditable(true);
    editable->addItems({"first", "second"});
    editable->setCurrentIndex(1);

    ClearTextBoxes(&window);

    QCOMPARE(line->text(), QString());
    QCOMPARE(nested->text(), QString());
    QCOMPARE(plain->toPlainText(), QString());
    QCOMPARE(rich->toPlainText(), QString());
    QCOMPARE(label->text(), QStringLiteral("Label"));
    QVERIFY(box->isChecked());
    QCOMPARE(list->currentIndex(), 1);
    QCOMPARE(editable->currentIndex(), 1);
    QCOMPARE(editable->currentText(), QStringLiteral("second"));
}

QTEST_MAIN(tst_ClearTextBoxes)
#include "tst_ClearTextBoxes.moc"
