#include "ErrorHook.h"

#include <QtTest>

class tst_ErrorHook : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordingHookReceivesDescription();
    void withoutHookGoesToWarning();
};

void tst_ErrorHook::recordingHookReceivesDescription()
{
    QStringList recorded;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { recorded.append(d); });
    ErrorHook::report(QStringLiteral("first"));
    ErrorHook::report(QStringLiteral("second"));
    QCOMPARE(recorded, QStringList({"first", "second"}));

    // Setting another handler hands back the recording one, which still records.
    ErrorHook::Handler recorder = ErrorHook::set(before);
    QVERIFY(recorder);
    recorder(QStringLiteral("third"));
    QCOMPARE(recorded.size(), 3);
}

void tst_ErrorHook::withoutHookGoesToWarning()
{
    const ErrorHook::Handler before = ErrorHook::set({});
    QTest::ignoreMessage(QtWarningMsg, "nothing to show it");
    ErrorHook::report(QStringLiteral("nothing to show it"));
    ErrorHook::set(before);
}

QTEST_APPLESS_MAIN(tst_ErrorHook)
#include "tst_ErrorHook.moc"
