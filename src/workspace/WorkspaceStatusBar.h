#pragma once

#include <QStatusBar>

class ElidedLabel;
class QLabel;
class QTimer;

// The main window's status bar: the maker's notice, the feedback address and the homepage as
// panels (a click on the last two opens them), and brief notes beside them.
class WorkspaceStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit WorkspaceStatusBar(QWidget* parent);

    // "© 2024 Maker", the first panel's text.
    static QString makerNotice();
    // Shows a confirmation for a few seconds.
    void showNote(const QString& text);
    // A note from the start that the next note joins instead of replacing while it shows.
    void showStartNote(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* addPanel(const QString& name, const QString& text, int stretch);
    void StatusBar1_PanelClick(const QLabel* panel);

    ElidedLabel* lblNote = nullptr; // brief confirmations, beside the panels
    QTimer* m_noteTimer = nullptr;
    QString m_startNote;
};
