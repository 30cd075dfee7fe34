#pragma once

#include <QStringList>

#include <functional>

class QWidget;

// Drives modal dialogs from inside their event loop, as a user would.
class ModalDriver
{
public:
    // Runs action on the first active modal widget other than `besides`; fails the running test
    // if none shows up within a few seconds.
    static void whenModal(std::function<void(QWidget* modal)> action, QWidget* besides = nullptr);
    // Clicks the button with this objectName below root.
    static void press(QWidget* root, const QString& name);
    // Sets controls below root by objectName: "txtX=5" types, "cboObject=3" picks an entry,
    // "chkEnded"/"optFrom" ticks, "Command2" clicks, "mnuPos" triggers a menu entry.
    static void fill(QWidget* root, const QStringList& entries);
    // Ends a dialog as a user would: "esc" or "enter" typed into the focused control, "close"
    // through the close box; anything else names the button to press.
    static void end(QWidget* modal, const QString& how);
    // Presses "+" of a pair editor, types key and value in its dialog and ends it as `how`
    // says. Returns what the dialog showed at opening: "caption|focused control|key text".
    static QString enterPair(QWidget* editor, const QString& key, const QString& value,
                             const QString& how = QStringLiteral("cmdOK"));
};
