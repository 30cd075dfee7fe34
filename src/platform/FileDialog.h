#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open-file and save-file dialogs; tests answer them with setNextFileName instead of
// showing them.
class FileDialog
{
public:
    // The chosen path, or the empty text when the user cancelled.
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter);

    // The chosen path, or the empty text when the user cancelled. A name typed without a
    // suffix gets defaultSuffix (without its dot); replacing an existing file is confirmed
    // in the dialog.
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                            const QString& filter, const QString& defaultSuffix);

    // The chosen folder, or the empty text when the user cancelled.
    QString getExistingDirectory(QWidget* parent, const QString& caption, const QString& dir);

    // For tests: the next call returns this at once ("" answers as a cancel). Several names
    // answer the next calls in turn.
    void setNextFileName(const QString& fileName);
    qsizetype pendingFileNames() const { return m_next.size(); }
    // The arguments of the last call, for tests.
    QString lastCaption() const { return m_lastCaption; }
    QString lastDir() const { return m_lastDir; }
    QString lastFilter() const { return m_lastFilter; }

private:
    // The test's answer, when one was given; records the call's arguments either way.
    bool takeNext(const QString& caption, const QString& dir, const QString& filter, QString* answer);

    QStringList m_next;
    QString m_lastCaption, m_lastDir, m_lastFilter;
};

FileDialog* fileDialog();
