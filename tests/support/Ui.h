#pragma once

#include <QColor>
#include <QKeySequence>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>

// Drives the program as a user would, every control found by its objectName.
namespace Ui {

// The child of root with this objectName; fails the running test when there is none.
template <typename T = QWidget> T* find(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no %1 %2").arg(T::staticMetaObject.className(), name)),
                     __FILE__, __LINE__);
    return found;
}

// Clicks the button, or the toolbar button of the action, or else triggers the action.
void press(QWidget* root, const QString& name);
// "txtX=5" types, "cboObject=3" picks an entry, "chkEnded"/"optFrom" ticks, "Command2" clicks,
// "mnuPos" triggers a menu entry.
void fill(QWidget* root, const QStringList& entries);
// Presses the keys in the widget that has the focus.
void keys(const QKeySequence& keys);
// The objectNames of the controls the focus visits from the focused one, pressing key (Tab or
// Backtab) until it is back; at most 20.
QStringList focusWalk(Qt::Key key);
// The colour painted at a point of the widget.
QColor pixel(QWidget* widget, QPoint at);

// Runs action, from inside its event loop, on the first modal dialog or box other than
// `besides`; fails the running test if none shows up within a few seconds.
void whenModal(std::function<void(QWidget* modal)> action, QWidget* besides = nullptr);
// Ends a dialog: "esc" or "enter" typed into the focused control, "close" through the close
// box; anything else names the button to press.
void end(QWidget* modal, const QString& how);
// Presses "+" of a pair editor, types key and value in its dialog and ends it as `how` says.
// Returns what the dialog showed at opening: "caption|focused control|key text".
QString enterPair(QWidget* editor, const QString& key, const QString& value, const QString& how = "cmdOK");

} // namespace Ui
