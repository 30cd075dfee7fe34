#pragma once

#include <QFile>
#include <QStringList>
#include <QTest>

// Tables of cases kept as text under tests/<layer>/golden: one case a line, its cells split by
// " | ", in which \t and \n stand for a tab and a line feed; blank lines and "#" lines are skipped.
namespace Golden {

inline QList<QStringList> rows(const QString& file)
{
    QFile in(QStringLiteral(QUILLET_TEST_DIR "/") + file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        QTest::qFail(qPrintable("cannot read " + in.fileName()), __FILE__, __LINE__);
    QList<QStringList> rows;
    for (QString line : QString::fromUtf8(in.readAll()).split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        rows << line.replace("\\t", "\t").replace("\\n", "\n").split(" | ");
    }
    return rows;
}

} // namespace Golden
