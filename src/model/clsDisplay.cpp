#include "clsDisplay.h"

void clsDisplay::init()
{
    setVarName(QStringLiteral("Untitled"));
    m_dObjType = ImageRect;
    m_parGroup.clear();
    m_eventHandling = Began | Moved | Ended | Cancelled;
    m_x = 10;
    m_y = 10;
    m_sWidth = 100;
    m_sHeight = 100;
    m_sRounding = 0;
    m_reference = TopCenter;
    m_filename = QStringLiteral("unitled.png");
    m_colour = 0;
    m_body = PhysicsBody();
}

QString clsDisplay::displayTypeName(qint32 type)
{
    static const char* const names[] = {"Image",  "ImageRect", "Rect", "RoundedRect",
                                        "Circle", "Line",      "Text", "Group"};
    return type >= 0 && type < kindCount ? QString::fromLatin1(names[type]) : QString();
}

QString clsDisplay::referencePointName(qint32 point)
{
    static const char* const names[] = {"TopLeft",     "TopCenter",  "TopRight",     "CenterLeft", "Center",
                                        "CenterRight", "BottomLeft", "BottomCenter", "BottomRight"};
    return point >= 0 && point < referencePointCount ? QString::fromLatin1(names[point]) : QString();
}

int clsDisplay::colourComponent(int index) const
{
    if (index < 1 || index > 3)
        return 0;
    return (quint32(m_colour) >> (8 * (index - 1))) & 0xFF;
}

void clsDisplay::setPosition(qint32& number, QString& expression, const QString& text)
{
    bool whole = false;
    const qint32 value = text.toInt(&whole);
    number = whole ? value : 0;
    expression = whole ? QString() : text;
}
