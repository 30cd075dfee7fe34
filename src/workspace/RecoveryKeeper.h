#pragma once

#include "RecoveryStore.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

class WorkspaceDocument;

// Keeps a recovery copy of a document while it holds changes that no file has: written at
// most two seconds (the delay) after a change, from a snapshot, on a thread of its own so that the window
// never waits for the disk; removed once the changes are saved or dropped.
class RecoveryKeeper : public QObject
{
    Q_OBJECT
public:
    static constexpr int delayMilliseconds = 2000;

    RecoveryKeeper(WorkspaceDocument* document, const QString& folder, QObject* parent = nullptr);
    // Waits for the copy in hand; the copy stays, as after a crash, for the next start.
    ~RecoveryKeeper() override;

    // At the start: brings the newest copy whose process has gone into the document and
    // returns the note that says so; empty when no copy waited.
    QString restore();
    // The window closes: a workspace that belongs to no file keeps its copy for the next start
    // (written now); any other drops it. The keeper stops following the document.
    void closing();
    // Whether the document holds changes that are in no file.
    bool wantsCopy() const;
    // How long after a change the copy is written; tests shorten it.
    void setDelay(int milliseconds) { m_timer.setInterval(milliseconds); }
    int delay() const { return m_timer.interval(); }
    // Blocks until every write and removal asked for so far is done (the close; tests).
    void flush();

signals:
    void noteRequested(const QString& text);

private:
    void documentChanged();
    void keep(bool closed);
    void drop();
    void written(const QString& error);

    WorkspaceDocument* m_document;
    RecoveryStore m_store;
    QThread m_thread;
    QObject* m_writer = nullptr; // lives on m_thread; the writes and removals run in its order
    QTimer m_timer;
    bool m_mayExist = false;     // a copy of this keeper may be on disk
    bool m_failureShown = false; // a failed write is reported once until a write succeeds again
    bool m_stopped = false;
};
