#pragma once

#include "ModelObject.h"
#include "PairList.h"

// One alert window shown with native.showAlert, with its button handler.
class clsAlert : public ModelObject
{
public:
    clsAlert() { init(); }

    ObjectKind kind() const override { return ObjectKind::Alert; }
    // The object as a alert; nothing for another kind.
    static const clsAlert* from(const ModelObject* object)
    {
        return object && object->kind() == ObjectKind::Alert ? static_cast<const clsAlert*>(object) : nullptr;
    }
    QString ObjType() const override { return QStringLiteral("Alert"); }
    std::unique_ptr<ModelObject> clone() const override { return std::make_unique<clsAlert>(*this); }
    void init() override;

    QString title() const { return m_title; }
    void setTitle(const QString& v) { m_title = v; }
    QString message() const { return m_message; }
    void setMessage(const QString& v) { m_message = v; }

    // Each pair: clsKey the button's caption, clsValue its id.
    const PairList& buttons() const { return m_buttons; }
    qsizetype buttonsCount() const { return m_buttons.count(); }
    // A caption already in use (any letter case) is reported through ErrorHook; the list stays.
    void addButton(const QString& id, const QString& caption);
    bool removeButton(qsizetype position);
    void clearButtons() { m_buttons.clear(); }

private:
    QString m_title;
    QString m_message;
    PairList m_buttons;
};
