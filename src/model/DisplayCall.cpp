#include "DisplayCall.h"

#include "mdlBrowsePath.h"

#include <array>

using mdlBrowsePath::QuoteText;

QString DisplayCall::typeName(const clsDisplay& object)
{
    return clsDisplay::displayTypeName(object.dObjType());
}

QStringList DisplayCall::arguments(const clsDisplay& d)
{
    const auto num = [](qint32 v) { return QString::number(v); };
    const QString X = d.xText(), Y = d.yText(), W = num(d.sWidth()), H = num(d.sHeight());
    // An empty font would leave an empty argument, which Lua does not accept.
    const QString font = d.sFontName().isEmpty() ? QStringLiteral("native.systemFont") : d.sFontName();
    const qint16 kind = d.dObjType();
    QStringList args;
    // display.newGroup takes no parent: the parent inserts it.
    if (kind == clsDisplay::Group)
        return args;
    if (!d.parGroup().isEmpty())
        args << d.parGroup();
    if (!d.filename().isEmpty() &&
        (kind == clsDisplay::Image || kind == clsDisplay::ImageRect || kind == clsDisplay::Text))
        args << QuoteText(d.filename());
    switch (kind) {
    case clsDisplay::ImageRect:
        args << W << H;
        break;
    case clsDisplay::Rect:
    case clsDisplay::Line:
        args << X << Y << W << H;
        break;
    case clsDisplay::RoundedRect:
        args << X << Y << W << H << num(d.sRounding());
        break;
    case clsDisplay::Circle:
        args << X << Y << W;
        break;
    case clsDisplay::Text:
        args << X << Y << font << H;
        break;
    default:
        break;
    }
    return args;
}

QList<DisplayCall::Phase> DisplayCall::phases(const clsDisplay& object)
{
    static const std::array<Phase, 4> order{{
        {clsDisplay::Began, QStringLiteral("began"), QStringLiteral("Began")},
        {clsDisplay::Moved, QStringLiteral("moved"), QStringLiteral("Moved")},
        {clsDisplay::Cancelled, QStringLiteral("cancelled"), QStringLiteral("Cancelled")},
        {clsDisplay::Ended, QStringLiteral("ended"), QStringLiteral("Ended")},
    }};
    QList<Phase> wanted;
    for (const Phase& p : order) {
        if (object.eventHandling() & p.flag)
            wanted.append(p);
    }
    return wanted;
}

void DisplayCall::placeGroup(LineWriter& w, const clsDisplay& group)
{
    const QString V = group.varName();
    if (group.xText() != QLatin1String("0"))
        w(V, ".x = ", group.xText());
    if (group.yText() != QLatin1String("0"))
        w(V, ".y = ", group.yText());
    if (!group.parGroup().trimmed().isEmpty())
        w(group.parGroup().trimmed(), ":insert( ", V, " )");
}
