#pragma once

#include <QStringList>

#include <functional>

class QWidget;

// Drives modal dialogs from inside their event loop, as a user would.
class ModalDriver
{
public:
    // Once a modal widget other than `besides` is active, runs action on it. Gives up
    // (and fails the running test) after a few seconds.
    static void whenModal(std::function<void(QWidget* modal)> action, QWidget* besides = nullptr);
    // Clicks the button with this objectName below root; fails the running test without one.
    static void press(QWidget* root, const QString& name);
    // Sets the text of the line edit with this objectName below root.
    static void type(QWidget* root, const QString& name, const QString& text);
    // Sets controls below root by objectName, one entry each: "txtX=5" types into a text
    // field, "cboObject=3" picks a list entry, "chkEnded" or "optFrom" ticks a box or option,
    // "Command2" clicks a plain button,
    // "mnuPos" triggers a menu entry.
    static void fill(QWidget* root, const QStringList& entries);
    // Presses "+" of a pair editor and answers its key/value dialog: types both texts and
    // presses `button` there. Returns what the key field held when the dialog opened.
    static QString enterPair(QWidget* editor, const QString& key, const QString& value,
                             const QString& button = QStringLiteral("cmdOK"));
};
