#include "frmData.h"
#include "ModalDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class tst_frmData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void opensEmptyWithFocusInKey();
    void endings_data();
    void endings();
};

void tst_frmData::opensEmptyWithFocusInKey()
{
    frmData dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Data"));
    QCOMPARE(dialog.keyText(), QString());
    QCOMPARE(dialog.valueText(), QString());
    QVERIFY(!dialog.isCancelled());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txtKey"));
    QCOMPARE(dialog.findChild<QLabel*>("lblKey")->text(), QStringLiteral("Key / ID : "));
    QCOMPARE(dialog.findChild<QLabel*>("lblValue")->text(), QStringLiteral("Value / Caption : "));
}

void tst_frmData::endings_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("cancelled");
    QTest::newRow("OK") << "cmdOK" << false;
    QTest::newRow("Cancel") << "cmdCancel" << true;
    QTest::newRow("Enter in value") << "enter" << false;
    QTest::newRow("Esc") << "esc" << true;
    QTest::newRow("close box") << "close" << true;
}

// Each ending leaves the texts readable for the caller; only the flag differs.
void tst_frmData::endings()
{
    QFETCH(QString, how);
    QFETCH(bool, cancelled);
    frmData dialog(nullptr);
    bool finished = false;
    ModalDriver::whenModal([&](QWidget* modal) {
        ModalDriver::type(modal, "txtKey", "x");
        ModalDriver::type(modal, "txtValue", "100");
        auto* value = modal->findChild<QLineEdit*>("txtValue");
        if (how == "enter")
            QTest::keyClick(value, Qt::Key_Return);
        else if (how == "esc")
            QTest::keyClick(value, Qt::Key_Escape);
        else if (how == "close")
            modal->close();
        else
            ModalDriver::press(modal, how);
        finished = true;
    });
    dialog.exec();
    QVERIFY(finished);
    QVERIFY(dialog.isHidden());
    QCOMPARE(dialog.isCancelled(), cancelled);
    QCOMPARE(dialog.keyText(), QStringLiteral("x"));
    QCOMPARE(dialog.valueText(), QStringLiteral("100"));
}

QTEST_MAIN(tst_frmData)
#include "tst_frmData.moc"
