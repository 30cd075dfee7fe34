#include "clsDisplay.h"
#include "frmMain.h"
#include "TestPictures.h"

#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QtTest>

// The picture checks where the window shows them: the check line, the tree and the notes.
class tst_Pictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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

} // namespace

void tst_Pictures::checksShown_data()
{
    QTest::addColumn<bool>("tied");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("severity"); // of the check line; "" hidden
    QTest::addColumn<QString>("message");  // how the message begins
    QTest::newRow("missing") << true << "hero.png"
                             << "error"
                             << "hero.png is not in the project folder: ";
    QTest::newRow("case") << true << "Logo.png"
                          << "warning"
                          << "On disk the file is named logo.png: ";
    QTest::newRow("no project folder") << false << "hero.png" << QString() << QString();
}

void tst_Pictures::checksShown()
{
    QFETCH(QString, file);
    QFETCH(QString, severity);
    QFETCH(QString, message);
    QTemporaryDir dir;
    savePicture(dir.filePath(QStringLiteral("logo.png")));
    frmMain window;
    window.addObject(image(QStringLiteral("hero"), file));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QFETCH(bool, tied);
    window.applyProjectContext(gameAt(tied ? dir.path() : QString()));

    auto* tree = window.findChild<QTreeWidget*>(QStringLiteral("tv1"));
    QTreeWidgetItem* node =
        tree->findItems(QStringLiteral("hero"), Qt::MatchExactly | Qt::MatchRecursive).first();
    tree->setCurrentItem(node);
    auto* check = window.findChild<QLabel*>(QStringLiteral("lblCheck"));
    QTRY_COMPARE(check->isVisible() ? check->property("severity").toString() : QString(), severity);
    QVERIFY(check->text().contains(severity == "warning" ? "Warning: " + message : message));
    QVERIFY(node->toolTip(0).startsWith(message) && node->toolTip(0).isEmpty() == message.isEmpty());
    // The tree marks the node as the check line does.
    const QIcon expected =
        severity.isEmpty() ? QIcon()
                           : tree->style()->standardIcon(severity == "error" ? QStyle::SP_MessageBoxCritical
                                                                             : QStyle::SP_MessageBoxWarning);
    QCOMPARE(node->icon(0).pixmap(16).toImage(), expected.pixmap(16).toImage());
    window.findChild<QAction*>(QStringLiteral("mnuCopyAll"))->trigger();
    const QString note = window.findChild<QLabel*>(QStringLiteral("lblNote"))->text();
    QCOMPARE(note.endsWith("; 1 object names a picture that is not in the project"), severity == "error");
    // The mark goes once the picture is there.
    savePicture(dir.filePath(file));
    QTRY_VERIFY(node->icon(0).isNull() && node->toolTip(0).isEmpty());
}

QTEST_MAIN(tst_Pictures)
#include "tst_Pictures.moc"
