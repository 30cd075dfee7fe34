#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// Finds a picture the way a phone's file system would: relative to the game's folder, "/"
// between folders, upper and lower case told apart. What it reads of the disk (folder
// listings) is remembered until forget() is told that a folder changed.
class PictureLocator
{
public:
    enum class Status
    {
        Found,    // the name matches a file exactly
        CaseOnly, // only a match that ignores case exists (the desktop finds it, a phone does not)
        Missing   // no such file inside the folder
    };
    struct Lookup
    {
        Status status = Status::Missing;
        QString path;     // absolute path of the file on disk, when there is one
        QString relative; // its name relative to the folder, as on disk, with "/"
    };

    void setFolder(const QString& folder);
    QString folder() const { return m_folder; }

    // A backslash is read as "/" here, as the desktop would; the checks warn about it apart.
    // Nothing outside the folder is ever found: no "..", no absolute path, no link leading out.
    Lookup find(const QString& filename) const;
    // The folders a lookup of this name lists, to watch them.
    QStringList foldersOf(const QString& filename) const;
    // Whether the path, links resolved, is the folder or lies inside it.
    bool isInside(const QString& path) const;
    // Drops what is remembered of a folder's listing (all folders for an empty path).
    void forget(const QString& folder = QString());

    // The name as the engine resolves it: "/" between folders, a leading "./" dropped; empty
    // for a name that leaves the folder.
    static QString normalized(const QString& filename);
    // The path relative to folder with "/", when path lies inside it.
    static std::optional<QString> relativeInside(const QString& folder, const QString& path);
    // Whether Solar2D decodes a file of this name (PNG and JPG).
    static bool isLoadable(const QString& filename);

private:
    const QStringList& entries(const QString& folder) const;

    QString m_folder;
    QString m_canonicalFolder;
    mutable QHash<QString, QStringList> m_listings;
};
