#include "PairListEditor.h"

#include "FormBuilder.h"
#include "frmData.h"
#include "PairList.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

QTreeWidget* PairListEditor::createList(QWidget* parent, const QRect& twips, const Column& first,
                                        const Column& second)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("lv1"));
    list->setGeometry(FormBuilder::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    list->setColumnCount(2);
    list->setHeaderLabels({first.header, second.header});
    list->headerItem()->setData(0, Qt::UserRole, first.key);
    list->headerItem()->setData(1, Qt::UserRole, second.key);
    list->setColumnWidth(0, FormBuilder::px(1440));
    list->setColumnWidth(1, FormBuilder::px(1440));
    list->header()->setStretchLastSection(false);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return list;
}

PairListEditor::PairListEditor(QWidget* dialog, QTreeWidget* list, QPushButton* add, QPushButton* remove,
                               Target target, const QList<Preset>& presets)
    : QObject(dialog), m_dialog(dialog), m_list(list), m_add(add), m_remove(remove),
      m_target(std::move(target)), m_menu(new QMenu(QStringLiteral("popup"), dialog))
{
    m_menu->setObjectName(QStringLiteral("mnuPopup"));
    for (const Preset& preset : presets) {
        QAction* entry = m_menu->addAction(preset.caption);
        entry->setObjectName(preset.name);
        connect(entry, &QAction::triggered, this, [this, preset] { applyPreset(preset); });
    }
    connect(add, &QPushButton::clicked, this, &PairListEditor::cmdAdd_Click);
    connect(remove, &QPushButton::clicked, this, &PairListEditor::cmdRem_Click);
    connect(list, &QTreeWidget::itemSelectionChanged, this, &PairListEditor::updateRemove);
    m_viewport = list->viewport();
    m_viewport->installEventFilter(this);
    remove->setEnabled(false);
}

void PairListEditor::refill()
{
    {
        // Midway the list may still hold the old rows; "-" is settled once it is full again.
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        for (const clsData& pair : m_target.pairs())
            new QTreeWidgetItem(m_list, {pair.clsKey(), pair.clsValue()});
        m_list->setCurrentItem(nullptr);
        m_list->clearSelection();
    }
    updateRemove();
}

void PairListEditor::updateRemove()
{
    const bool enabled = !m_list->selectedItems().isEmpty();
    if (!enabled && m_remove->window()->focusWidget() == m_remove) {
        QWidget* next = m_list->topLevelItemCount() > 0 ? static_cast<QWidget*>(m_list) : m_add;
        next->setFocus(Qt::OtherFocusReason);
    }
    m_remove->setEnabled(enabled);
}

void PairListEditor::cmdAdd_Click()
{
    {
        frmData data(m_dialog);
        data.setKeyLimit(m_target.keyLimit);
        data.exec();
        if (!data.isCancelled())
            m_target.add(data.valueText(), data.keyText());
    }
    refill();
}

void PairListEditor::cmdRem_Click()
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    m_target.remove(m_list->indexOfTopLevelItem(selected.first()) + 1);
    refill();
}

void PairListEditor::applyPreset(const Preset& preset)
{
    m_target.clear();
    for (const clsData& pair : preset.pairs)
        m_target.add(pair.clsValue(), pair.clsKey());
    refill();
}

bool PairListEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == m_viewport) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton)
            m_menu->popup(mouse->globalPosition().toPoint());
    }
    return QObject::eventFilter(watched, event);
}
