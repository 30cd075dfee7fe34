#pragma once

#include <QString>

class QWidget;

// The open-file dialog; tests answer it with setNextFileName instead of showing it.
class FileDialog
{
public:
    // The chosen path, or the empty text when the user cancelled.
    QString getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                            const QString& filter);

    // For tests: the next call returns this at once ("" answers as a cancel).
    void setNextFileName(const QString& fileName);
    // The arguments of the last call, for tests.
    QString lastCaption() const { return m_lastCaption; }
    QString lastDir() const { return m_lastDir; }
    QString lastFilter() const { return m_lastFilter; }

private:
    bool m_hasNext = false;
    QString m_next;
    QString m_lastCaption, m_lastDir, m_lastFilter;
};

FileDialog* fileDialog();
