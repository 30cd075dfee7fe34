#pragma once

#include "ModelObject.h"
#include "PairList.h"

// One Corona transition: transition.to or transition.from with a parameter table.
class clsTransition : public ModelObject
{
public:
    clsTransition() { init(); }

    ObjectKind kind() const override { return ObjectKind::Transition; }
    // The object as a transition; nothing for another kind.
    static const clsTransition* from(const ModelObject* object)
    {
        return object && object->kind() == ObjectKind::Transition ? static_cast<const clsTransition*>(object)
                                                                  : nullptr;
    }
    QString ObjType() const override { return QStringLiteral("Transition"); }
    std::unique_ptr<ModelObject> clone() const override { return std::make_unique<clsTransition>(*this); }
    void init() override;

    qint32 duration() const { return m_duration; }
    void setDuration(qint32 v) { m_duration = v; }
    qint32 delay() const { return m_delay; }
    void setDelay(qint32 v) { m_delay = v; }
    QString onStart() const { return m_onStart; }
    void setOnStart(const QString& v) { m_onStart = v; }
    QString onComplete() const { return m_onComplete; }
    void setOnComplete(const QString& v) { m_onComplete = v; }
    // 0 selects transition.to, every other value transition.from.
    qint16 transitionDirection() const { return m_direction; }
    void setTransitionDirection(qint16 v) { m_direction = v; }

    // An easing function's name; "" for linear.
    QString easing() const { return m_easing; }
    void setEasing(const QString& v) { m_easing = v; }

    // Each pair: clsKey the property's name, clsValue the value written after "=".
    const PairList& properties() const { return m_properties; }
    qsizetype propertiesCount() const { return m_properties.count(); }
    // A name already in use (any letter case) is reported through ErrorHook; the list stays.
    void addProperty(const QString& value, const QString& key);
    bool removeProperty(qsizetype position);
    void clearProperties() { m_properties.clear(); }

    // "to" or "from", as transition.to / transition.from.
    QLatin1String direction() const { return QLatin1String(m_direction == 0 ? "to" : "from"); }

private:
    qint32 m_duration = 1000;
    qint32 m_delay = 0;
    QString m_onStart;
    QString m_onComplete;
    qint16 m_direction = 1;
    PairList m_properties;
    QString m_easing;
};
