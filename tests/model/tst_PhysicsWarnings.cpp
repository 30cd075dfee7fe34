#include "Golden.h"
#include "PhysicsWarnings.h"

#include <QtTest>

// The warnings for a body that physics does not line up with its picture.
class tst_PhysicsWarnings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void warnings_data();
    void warnings();
};

void tst_PhysicsWarnings::warnings_data()
{
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QStringList>("scale");
    QTest::addColumn<QString>("warning");
    for (const QStringList& row : Golden::rows("model/golden/PhysicsWarnings.txt"))
        QTest::newRow(qPrintable(row.at(0)))
            << row.at(1).split(", ", Qt::SkipEmptyParts) << row.at(2).split(' ') << row.at(3);
}

void tst_PhysicsWarnings::warnings()
{
    QFETCH(QStringList, groups);
    QFETCH(QStringList, scale);
    QList<PhysicsWarnings::GroupTransform> chain;
    for (const QString& group : groups) {
        const QStringList f = group.split(' ');
        QCOMPARE(f.size(), 6);
        chain.append({f[0], f[1], f[2], f[3].toDouble(), f[4].toDouble(), f[5].toDouble()});
    }
    const QString crate = QStringLiteral("crate");
    QTEST(PhysicsWarnings::forGroups(crate, chain)
              .value_or(PhysicsWarnings::forScale(crate, scale.value(0).toDouble(), scale.value(1).toDouble())
                            .value_or(QStringLiteral("none"))),
          "warning");
}

QTEST_APPLESS_MAIN(tst_PhysicsWarnings)
#include "tst_PhysicsWarnings.moc"
