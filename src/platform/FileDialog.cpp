#include "FileDialog.h"

#include <QFileDialog>

#include <utility>

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    QString answer;
    if (takeNext(caption, dir, filter, &answer))
        return answer;
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString FileDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                                    const QString& filter, const QString& defaultSuffix)
{
    QString answer;
    if (takeNext(caption, path, filter, &answer))
        return answer;
    QFileDialog dialog(parent, caption, path, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString FileDialog::getExistingDirectory(QWidget* parent, const QString& caption, const QString& dir)
{
    QString answer;
    if (takeNext(caption, dir, QString(), &answer))
        return answer;
    return QFileDialog::getExistingDirectory(parent, caption, dir);
}

bool FileDialog::takeNext(const QString& caption, const QString& dir, const QString& filter, QString* answer)
{
    m_lastCaption = caption;
    m_lastDir = dir;
    m_lastFilter = filter;
    if (m_next.isEmpty())
        return false;
    *answer = m_next.takeFirst();
    return true;
}

void FileDialog::setNextFileName(const QString& fileName)
{
    m_next.append(fileName);
}

FileDialog* fileDialog()
{
    static FileDialog instance;
    return &instance;
}
