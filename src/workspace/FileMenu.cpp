#include "FileMenu.h"

#include "DocumentWriter.h"
#include "DocumentWriters.h"

#include "WorkspaceFiles.h"

#include <QDir>

FileMenu::FileMenu(WorkspaceFiles* files, QWidget* window)
    : QMenu(QStringLiteral("&File"), window), m_files(files)
{
    setObjectName(QStringLiteral("mnuFileMenu"));
    // Some desktops define no key for Save As or Quit; those get the common one.
    const auto add = [this](const char* name, const QString& text, QKeySequence::StandardKey key,
                            const QKeySequence& fallback, auto command) {
        QAction* action = addAction(text);
        action->setObjectName(QLatin1String(name));
        QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        if (keys.isEmpty() && !fallback.isEmpty())
            keys = {fallback};
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    add("actNew", QStringLiteral("&New"), QKeySequence::New, QKeySequence(),
        [this] { m_files->newWorkspace(); });
    add("actOpen", QStringLiteral("&Open..."), QKeySequence::Open, QKeySequence(),
        [this] { m_files->open(); });
    mnuRecent = addMenu(QStringLiteral("Open &Recent"));
    mnuRecent->setObjectName(QStringLiteral("mnuRecent"));
    // Filled when the File menu opens, so the list is read only when someone looks at it.
    connect(this, &QMenu::aboutToShow, this, &FileMenu::fillRecentMenu);
    connect(m_files, &WorkspaceFiles::recentFilesChanged, this, &FileMenu::fillRecentMenu);
    addSeparator();
    add("actSave", QStringLiteral("&Save"), QKeySequence::Save, QKeySequence(), [this] { m_files->save(); });
    add("actSaveAs", QStringLiteral("Save &As..."), QKeySequence::SaveAs,
        QKeySequence(QStringLiteral("Ctrl+Shift+S")), [this] { m_files->saveAs(); });
    addSeparator();
    add("actProjectFolder", QStringLiteral("&Project Folder..."), QKeySequence::UnknownKey, QKeySequence(),
        [this] { m_files->chooseProjectFolder(); });
    add("actClearProject", QStringLiteral("C&lear Project Folder"), QKeySequence::UnknownKey, QKeySequence(),
        [this] { m_files->clearProjectFolder(); });
    addSeparator();
    for (const DocumentWriter* writer : DocumentWriters::all()) {
        add(writer->actionName().toLatin1().constData(), writer->menuText(), QKeySequence::UnknownKey,
            QKeySequence(), [this, writer] { emit exportRequested(writer); });
    }
    addSeparator();
    QAction* quit = add("actQuit", QStringLiteral("&Quit"), QKeySequence::Quit,
                        QKeySequence(QStringLiteral("Ctrl+Q")), [window] { window->close(); });
    quit->setMenuRole(QAction::QuitRole);
}

void FileMenu::fillRecentMenu()
{
    mnuRecent->clear();
    const QStringList files = m_files->recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        QString text = QDir::toNativeSeparators(path);
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        // Accelerators 1 to 8, as desktop programs number their recent files.
        QAction* action = mnuRecent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text));
        connect(action, &QAction::triggered, this, [this, path] { m_files->openFile(path); });
    }
    mnuRecent->addSeparator();
    QAction* clear = mnuRecent->addAction(QStringLiteral("&Clear Menu"));
    clear->setObjectName(QStringLiteral("actClearRecent"));
    connect(clear, &QAction::triggered, m_files, &WorkspaceFiles::clearRecentFiles);
    mnuRecent->setEnabled(!files.isEmpty());
}
