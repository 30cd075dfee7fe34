#include "Easing.h"

const QStringList& Easing::names()
{
    static const QStringList list = [] {
        QStringList result{QStringLiteral("linear")};
        for (const char* curve :
             {"Quad", "Cubic", "Quart", "Quint", "Sine", "Expo", "Circ", "Back", "Elastic"}) {
            for (const char* way : {"in", "out", "inOut", "outIn"})
                result.append(QString::fromLatin1(way) + QString::fromLatin1(curve));
        }
        result << QStringLiteral("inBounce") << QStringLiteral("inOutBounce") << QStringLiteral("outInBounce")
               << QStringLiteral("outBounce") << QStringLiteral("continuousLoop");
        return result;
    }();
    return list;
}

bool Easing::isKnown(const QString& name)
{
    return name.isEmpty() || (name != QLatin1String("linear") && names().contains(name));
}
