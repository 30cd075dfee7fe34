#include "DisplayProperties.h"

QString DisplayProperties::number(double value)
{
    return QString::number(value, 'g', 12);
}
