#pragma once

#include "DisplayProperties.h"
#include "ModelObject.h"
#include "PhysicsBody.h"

#include <QList>
#include <QString>
#include <QStringList>

// One Corona display object: an image, image rect, rect, rounded rect, circle, line, text or group.
class clsDisplay : public ModelObject
{
public:
    enum DisplayObjectType : qint16
    {
        Image = 0,
        ImageRect,
        Rect,
        RoundedRect,
        Circle,
        Line,
        Text,
        Group
    };
    enum ReferencePoint : qint32
    {
        TopLeft = 0,
        TopCenter,
        TopRight,
        CenterLeft,
        Center,
        CenterRight,
        BottomLeft,
        BottomCenter,
        BottomRight
    };
    enum TouchPhase : qint32
    {
        Began = 1,
        Moved = 2,
        Ended = 4,
        Cancelled = 8
    };

    // A new object holds empty texts and zeros; init() applies the editor-less defaults.
    clsDisplay() = default;

    ObjectKind kind() const override { return ObjectKind::Display; }
    // The object as a display; nothing for another kind.
    static const clsDisplay* from(const ModelObject* object)
    {
        return object && object->kind() == ObjectKind::Display ? static_cast<const clsDisplay*>(object)
                                                               : nullptr;
    }
    QString ObjType() const override { return QStringLiteral("Display"); }
    std::unique_ptr<ModelObject> clone() const override { return std::make_unique<clsDisplay>(*this); }
    void init() override;

    qint16 dObjType() const { return m_dObjType; }
    void setDObjType(qint16 v) { m_dObjType = v; }
    QString parGroup() const { return m_parGroup; }
    void setParGroup(const QString& v) { m_parGroup = v; }
    qint32 eventHandling() const { return m_eventHandling; }
    void setEventHandling(qint32 v) { m_eventHandling = v; }
    qint32 x() const { return m_x; }
    void setX(qint32 v) { m_x = v, m_xExpression.clear(); }
    qint32 y() const { return m_y; }
    void setY(qint32 v) { m_y = v, m_yExpression.clear(); }
    // x and y as written: the whole number, or the screen expression that stands for it
    // (x() reads 0 then). A text that is a whole number sets the number.
    QString xText() const { return m_xExpression.isEmpty() ? QString::number(m_x) : m_xExpression; }
    void setX(const QString& text) { setPosition(m_x, m_xExpression, text); }
    QString yText() const { return m_yExpression.isEmpty() ? QString::number(m_y) : m_yExpression; }
    void setY(const QString& text) { setPosition(m_y, m_yExpression, text); }
    bool hasExpression() const { return !m_xExpression.isEmpty() || !m_yExpression.isEmpty(); }
    const DisplayProperties& properties() const { return m_properties; }
    void setProperties(const DisplayProperties& v) { m_properties = v; }
    qint32 sWidth() const { return m_sWidth; }
    void setSWidth(qint32 v) { m_sWidth = v; }
    qint32 sHeight() const { return m_sHeight; }
    void setSHeight(qint32 v) { m_sHeight = v; }
    qint32 sRounding() const { return m_sRounding; }
    void setSRounding(qint32 v) { m_sRounding = v; }
    qint32 reference() const { return m_reference; }
    void setReference(qint32 v) { m_reference = v; }
    QString filename() const { return m_filename; }
    void setFilename(const QString& v) { m_filename = v; }
    // A Windows RGB value: red in bits 0-7, green 8-15, blue 16-23; higher bits ignored.
    qint32 Colour() const { return m_colour; }
    void setColour(qint32 v) { m_colour = v; }
    QString sFontName() const { return m_sFontName; }
    void setSFontName(const QString& v) { m_sFontName = v; }

    // The kind and reference point names the generator and the editor share.
    static QString displayTypeName(qint32 type);     // "" outside 0-7
    static QString referencePointName(qint32 point); // "" outside 0-8
    static constexpr int kindCount = 8;
    static constexpr int referencePointCount = 9;

    const PhysicsBody& body() const { return m_body; }
    void setBody(const PhysicsBody& v) { m_body = v; }
    // A line has no area for a body; a group's children take their own.
    static bool takesBody(qint32 kind)
    {
        return kind >= 0 && kind < kindCount && kind != Line && kind != Group;
    }
    bool hasBody() const { return m_body.exists() && takesBody(m_dObjType); }

    bool isImage() const { return m_dObjType == Image || m_dObjType == ImageRect; }
    bool isGroup() const { return m_dObjType == Group; }
    // Index 1 red, 2 green, 3 blue; 0 for any other index.
    int colourComponent(int index) const;

private:
    static void setPosition(qint32& number, QString& expression, const QString& text);

    qint16 m_dObjType = 0;
    QString m_parGroup;
    qint32 m_eventHandling = 0;
    qint32 m_x = 0;
    qint32 m_y = 0;
    qint32 m_sWidth = 0;
    qint32 m_sHeight = 0;
    qint32 m_sRounding = 0;
    qint32 m_reference = 0;
    QString m_filename;
    qint32 m_colour = 0;
    QString m_sFontName;
    PhysicsBody m_body;
    QString m_xExpression;
    QString m_yExpression;
    DisplayProperties m_properties;
};
