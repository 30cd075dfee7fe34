#include "clsAlert.h"

#include "ErrorHook.h"

void clsAlert::init()
{
    setVarName(QStringLiteral("untitled"));
    m_title = QStringLiteral("Alert Dialog Title");
    m_message = QStringLiteral("Alert Dialog message");
    m_buttons = PairList();
}

void clsAlert::addButton(const QString& id, const QString& caption)
{
    QString error;
    if (!m_buttons.append(clsData(caption, id), &error))
        ErrorHook::report(error);
}

bool clsAlert::removeButton(qsizetype position)
{
    return m_buttons.remove(position);
}
