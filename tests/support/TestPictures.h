#pragma once

#include "ProjectContext.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QtTest>

// A one-colour PNG at path, its folders made as needed.
inline void savePicture(const QString& path, QSize size = QSize(8, 8), const QColor& colour = Qt::red)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "PNG"));
}

// A game at folder (none for an empty path).
inline ProjectContext gameAt(const QString& folder)
{
    ProjectContext project;
    project.folder = folder;
    return project;
}
