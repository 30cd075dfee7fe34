#include "FileDialog.h"

#include <QFileDialog>

#include <utility>

QString FileDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    m_lastCaption = caption;
    m_lastDir = dir;
    m_lastFilter = filter;
    if (m_hasNext) {
        m_hasNext = false;
        return std::exchange(m_next, QString());
    }
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

void FileDialog::setNextFileName(const QString& fileName)
{
    m_hasNext = true;
    m_next = fileName;
}

FileDialog* fileDialog()
{
    static FileDialog instance;
    return &instance;
}
