#include "ErrorHook.h"

#include <QtTest>

class tst_ErrorHook : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hookElseWarning();
};

void tst_ErrorHook::hookElseWarning()
{
    QStringList recorded;
    const ErrorHook::Handler before = ErrorHook::set([&](const QString& d) { recorded.append(d); });
    ErrorHook::report(QStringLiteral("first"));
    ErrorHook::report(QStringLiteral("second"));
    QCOMPARE(recorded, QStringList({"first", "second"}));

    // Without a hook the description still reaches the user, as a warning.
    ErrorHook::set({});
    QTest::ignoreMessage(QtWarningMsg, "nothing to show it");
    ErrorHook::report(QStringLiteral("nothing to show it"));
    ErrorHook::set(before);
    QCOMPARE(recorded.size(), 2);
}

QTEST_APPLESS_MAIN(tst_ErrorHook)
#include "tst_ErrorHook.moc"
