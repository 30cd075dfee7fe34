#pragma once

#include <QString>

// A key/value pair: a transition's property (name, value) or an alert's button (caption, id).
class clsData
{
public:
    clsData() = default;
    clsData(QString key, QString value) : m_key(std::move(key)), m_value(std::move(value)) {}

    QString clsKey() const { return m_key; }
    void setClsKey(const QString& key) { m_key = key; }
    QString clsValue() const { return m_value; }
    void setClsValue(const QString& value) { m_value = value; }

    bool operator==(const clsData&) const = default;

private:
    QString m_key;
    QString m_value;
};
