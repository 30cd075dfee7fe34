#include "ErrorBox.h"
#include "ErrorHook.h"
#include "MessageBox.h"

#include <QtTest>

class tst_ErrorBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { MessageBox::setRecording(true); }
    void cleanup()
    {
        MessageBox::setRecording(false);
        ErrorHook::set({});
    }
    void showsOverActiveWindow_data();
    void showsOverActiveWindow();
};

void tst_ErrorBox::showsOverActiveWindow_data()
{
    QTest::addColumn<bool>("windowActive");
    QTest::newRow("active window") << true;
    QTest::newRow("no window") << false;
}

void tst_ErrorBox::showsOverActiveWindow()
{
    QFETCH(bool, windowActive);
    QWidget window;
    if (windowActive) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    ErrorBox::install();
    const QString description =
        QStringLiteral("This key is already associated with an element of this collection");
    ErrorHook::report(description);

    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].icon, MessageBox::Icon::Critical);
    QCOMPARE(shown[0].caption, QStringLiteral("Error Occured"));
    QCOMPARE(shown[0].text, description);
    QCOMPARE(shown[0].parent, windowActive ? &window : nullptr);
}

QTEST_MAIN(tst_ErrorBox)
#include "tst_ErrorBox.moc"
