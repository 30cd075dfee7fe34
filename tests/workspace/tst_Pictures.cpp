#include "clsDisplay.h"
#include "frmMain.h"
#include "TestSettings.h"

#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QtTest>

// The picture checks where the window shows them: the check line, the tree and the notes.
class tst_Pictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useTestSettings(); }
    void checksShown_data();
    void checksShown();
};

namespace {

std::unique_ptr<clsDisplay> image(const QString& name, const QString& file)
{
    auto object = std::make_unique<clsDisplay>();
    object->init();
    object->setVarName(name);
    object->setDObjType(clsDisplay::Image);
    object->setReference(clsDisplay::Center);
    object->setFilename(file);
    return object;
}

QImage iconOf(const QIcon& icon)
{
    return icon.pixmap(16).toImage();
}

} // namespace

void tst_Pictures::checksShown_data()
{
    QTest::addColumn<bool>("tied");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("severity"); // of the check line; "" hidden
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon"); // a QStyle::StandardPixmap, -1 for none
    const QString missing = QStringLiteral(
        "hero.png is not in the project folder: display.newImage returns nil there, and the next line fails");
    const QString cased = QStringLiteral(
        "On disk the file is named logo.png: phones tell case apart, so the game finds no picture there");
    QTest::newRow("missing") << true << "hero.png"
                             << "error" << missing << int(QStyle::SP_MessageBoxCritical);
    QTest::newRow("case") << true << "Logo.png"
                          << "warning" << cased << int(QStyle::SP_MessageBoxWarning);
    QTest::newRow("fine") << true << "logo.png"
                          << ""
                          << "" << -1;
    QTest::newRow("no project folder") << false << "hero.png"
                                       << ""
                                       << "" << -1;
}

void tst_Pictures::checksShown()
{
    QFETCH(QString, file);
    QFETCH(QString, severity);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(dir.filePath(QStringLiteral("logo.png"))));
    frmMain window;
    window.addObject(image(QStringLiteral("hero"), file));
    window.addObject(image(QStringLiteral("hero2"), file));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ProjectContext project;
    QFETCH(bool, tied);
    if (tied)
        project.folder = dir.path();
    window.applyProjectContext(project);

    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("tv1"));
    QTreeWidgetItem* node =
        tree->findItems(QStringLiteral("hero"), Qt::MatchExactly | Qt::MatchRecursive).first();
    tree->setCurrentItem(node);
    auto* check = window.findChild<QLabel*>(QStringLiteral("lblCheck"));
    QTRY_COMPARE(check->isVisible() ? check->property("severity").toString() : QString(), severity);
    QVERIFY(check->text().contains(severity == "warning" ? "Warning: " + message : message));
    // Both objects marked, the one shown and the other.
    for (const QTreeWidgetItem* marked :
         tree->findItems(QStringLiteral("hero"), Qt::MatchStartsWith | Qt::MatchRecursive)) {
        QCOMPARE(marked->toolTip(0), message);
        QCOMPARE(iconOf(marked->icon(0)),
                 icon < 0 ? QImage() : iconOf(tree->style()->standardIcon(QStyle::StandardPixmap(icon))));
    }
    window.findChild<QAction*>(QStringLiteral("mnuCopyAll"))->trigger();
    const QString note = window.findChild<QLabel*>(QStringLiteral("lblNote"))->text();
    QCOMPARE(note.endsWith("; 2 objects name pictures that are not in the project"), severity == "error");
}

QTEST_MAIN(tst_Pictures)
#include "tst_Pictures.moc"
