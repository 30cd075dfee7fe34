#pragma once

#include "clsData.h"
#include "TextLimits.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class PairList;
class QMenu;
class QPushButton;
class QRect;
class QTreeWidget;
class QWidget;

// The pair list of the transition and alert editors: a two-column list refilled from the
// model after every change, "+" through the key/value dialog, "-" for the selected row, and
// a right-click menu of presets that replace the whole list.
class PairListEditor : public QObject
{
    Q_OBJECT
public:
    // How the editor reaches the model's list. add takes the value first, the key second,
    // and reports a key in use itself.
    struct Target
    {
        std::function<const PairList&()> pairs;
        std::function<void(const QString& value, const QString& key)> add;
        std::function<void(qsizetype position)> remove;
        std::function<void()> clear;
        qsizetype keyLimit = TextLimits::text; // the longest key the user may type
    };
    struct Preset
    {
        QString name;         // objectName of the menu entry
        QString caption;      // its text
        QList<clsData> pairs; // added in this order
    };
    struct Column
    {
        QString key;
        QString header;
    };

    // The list view in report style with its two columns, each 1440 twips wide.
    static QTreeWidget* createList(QWidget* parent, const QRect& twips, const Column& first,
                                   const Column& second);

    // The target must be usable by the first refill(), which the dialog calls once its
    // model object exists.
    PairListEditor(QWidget* dialog, QTreeWidget* list, QPushButton* add, QPushButton* remove, Target target,
                   const QList<Preset>& presets);

    // Refills the list from the model; no row is selected afterwards, so "-" is disabled.
    void refill();
    QMenu* popupMenu() const { return m_menu; }

    void cmdAdd_Click();
    void cmdRem_Click();
    void applyPreset(const Preset& preset);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Enables "-" for a selected row. When it loses its use while it holds the focus, the focus
    // goes to the list, or to "+" when the list is empty, and not on along the tab order, where
    // Cancel would take the next Enter and throw the whole object away.
    void updateRemove();

    QWidget* m_dialog;
    QTreeWidget* m_list;
    QObject* m_viewport =
        nullptr; // compared only: the filter still sees events while the dialog is torn down
    QPushButton* m_add;
    QPushButton* m_remove;
    Target m_target;
    QMenu* m_menu;
};
