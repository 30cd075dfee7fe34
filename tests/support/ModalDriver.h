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
    // Presses "+" of a pair editor, types key and value in its dialog and presses `button`
    // there. Returns what the key field held when the dialog opened.
    static QString enterPair(QWidget* editor, const QString& key, const QString& value,
                             const QString& button = QStringLiteral("cmdOK"));
};
