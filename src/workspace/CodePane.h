#pragma once

#include "WorkspaceLayout.h"

#include <QObject>
#include <QSize>

class CheckLine;
class QKeyEvent;
class QLabel;
class QsciScintilla;
class QWidget;

// The pane that shows the selected object's Lua (txtCode) and the check line under it
// (lblCheck), placed where the window's layout puts them, the line as high as its text needs.
class CodePane : public QObject
{
    Q_OBJECT
public:
    explicit CodePane(QWidget* client);

    QWidget* editor() const;
    void showSnippet(const QString& snippet);
    void clear();
    // Marks the line Lua could not compile and shows the line under the pane, or hides it.
    void showCheck(const CheckLine& line);
    void showNoSnippet(const QString& reason);
    // Puts the pane's text, the user's edits included, on the clipboard; false when empty.
    bool copy() const;
    // Places the pane and its check line in a client area of this size (pixels, as the
    // toolbar's and status bar's heights) and returns the layout they follow.
    WorkspaceLayout place(QSize client, int toolbar, int statusBar);

Q_SIGNALS:
    // The check line came or went: the window places the panes again.
    void checkLineChanged();
    // After every change of the pane's text, whoever made it: whether it holds any.
    void textPresent(bool present);
    void escapePressed();
    void tabPressed(bool forward);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCheckLine(const QString& html, const QString& severity);
    void clearCheck();
    bool txtCode_KeyPress(const QKeyEvent* event);

    QsciScintilla* txtCode = nullptr;
    QLabel* lblCheck = nullptr; // what Lua says about the snippet in the pane
};
