#include "clsTransition.h"

#include "ErrorHook.h"

void clsTransition::init()
{
    setVarName(QStringLiteral("untitled"));
    m_duration = 1000;
    m_delay = 0;
    m_onStart.clear();
    m_onComplete.clear();
    setTransitionDirection(1);
    m_properties = PairList();
}

void clsTransition::addProperty(const QString& value, const QString& key)
{
    QString error;
    if (!m_properties.append(clsData(key, value), &error))
        ErrorHook::report(error);
}

bool clsTransition::removeProperty(qsizetype position)
{
    return m_properties.remove(position);
}
