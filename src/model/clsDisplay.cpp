#include "clsDisplay.h"

#include "LineWriter.h"
#include "mdlBrowsePath.h"

#include <QList>
#include <QStringList>

#include <array>

using mdlBrowsePath::QuoteText;

struct clsDisplay::PhaseText
{
    TouchPhase flag;
    const char* phase;
    const char* name; // as in the comments: Began, Moved, ...
};

namespace {

using PhaseText = clsDisplay::PhaseText;

// The order in which the phases are written, which is not the order of their bits.
constexpr std::array<PhaseText, 4> phases{{
    {clsDisplay::Began, "began", "Began"},
    {clsDisplay::Moved, "moved", "Moved"},
    {clsDisplay::Cancelled, "cancelled", "Cancelled"},
    {clsDisplay::Ended, "ended", "Ended"},
}};

QString num(qint32 v)
{
    return QString::number(v);
}

// Graphics 2.0 takes colour components from 0 to 1; n/255 keeps every byte exact.
QString unitComponent(int byte)
{
    if (byte == 0)
        return QStringLiteral("0");
    if (byte == 255)
        return QStringLiteral("1");
    return num(byte) + QStringLiteral("/255");
}

// An anchor is the fraction of the width (height) where the position point lies; the
// reference points run left to right, then top to bottom.
QString anchorText(int step)
{
    static const char* const fractions[] = {"0", "0.5", "1"};
    return QString::fromLatin1(fractions[step]);
}

} // namespace

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
}

QString clsDisplay::displayTypeName(qint32 type)
{
    static const char* const names[] = {"Image",  "ImageRect", "Rect", "RoundedRect",
                                        "Circle", "Line",      "Text"};
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

std::optional<QString> clsDisplay::codeSnippet(GraphicsApi api) const
{
    const QString typeName = displayTypeName(m_dObjType);
    if (typeName.isEmpty())
        return std::nullopt;

    const QString X = num(m_x), Y = num(m_y), W = num(m_sWidth), H = num(m_sHeight), R = num(m_sRounding);
    // An empty font would leave an empty argument, which Lua does not accept.
    const QString font = m_sFontName.isEmpty() ? QStringLiteral("native.systemFont") : m_sFontName;
    QStringList args;
    if (!m_parGroup.isEmpty())
        args << m_parGroup;
    if (!m_filename.isEmpty() && (m_dObjType == Image || m_dObjType == ImageRect || m_dObjType == Text))
        args << QuoteText(m_filename);
    switch (m_dObjType) {
    case Image:
        break;
    case ImageRect:
        args << W << H;
        break;
    case Rect:
    case Line:
        args << X << Y << W << H;
        break;
    case RoundedRect:
        args << X << Y << W << H << R;
        break;
    case Circle:
        args << X << Y << W;
        break;
    case Text:
        args << X << Y << font << H;
        break;
    }

    QList<PhaseText> wanted;
    for (const PhaseText& p : phases) {
        if (m_eventHandling & p.flag)
            wanted.append(p);
    }
    return api == GraphicsApi::V1 ? graphics1(typeName, args, wanted) : graphics2(typeName, args, wanted);
}

QString clsDisplay::graphics1(const QString& typeName, const QStringList& args,
                              const QList<PhaseText>& wanted) const
{
    const QString V = varName();
    // The first output leaves an empty last argument where an image has no file.
    QString call = args.join(QStringLiteral(", "));
    if (m_dObjType == Image && !m_parGroup.isEmpty() && m_filename.isEmpty())
        call += QStringLiteral(", ");
    LineWriter w;
    w("-- START the display object Declaration");
    w("local ", V, "={}");
    w("local ", V, "_touch={}");
    for (const PhaseText& p : wanted)
        w("local ", V, "_touch_", p.phase, "={}");
    w.blank();
    w("-- CREATE the display object");
    w(V, " = display.new", typeName, "( ", call, ") ");
    if (isImage()) {
        // Without a reference point the engine's default, the centre, stays.
        const QString refName = referencePointName(m_reference);
        if (!refName.isEmpty())
            w(V, ":setReferencePoint( display.", refName, "ReferencePoint )");
        w(V, ".x = ", num(m_x));
        w(V, ".y = ", num(m_y));
    } else {
        const QString colour =
            m_dObjType == Text ? QStringLiteral(":setTextColor( ") : QStringLiteral(":setFillColor( ");
        w(V, colour, num(colourComponent(1)), ", ", num(colourComponent(2)), ", ", num(colourComponent(3)),
          " )");
    }
    w.blank();
    w("--Start declaring the handler event");
    w("function ", V, "_touch ( event )");
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        const PhaseText& p = wanted.at(i);
        w.line(1, i == 0 ? "if " : "elseif ", QuoteText(QString::fromLatin1(p.phase)),
               " == event.phase then ");
        w.line(2, V, "_touch_", p.phase, " ( event )");
    }
    if (!wanted.isEmpty())
        w("end");
    w("end");
    w("--END declaring the handler event");
    w.blank();
    for (const PhaseText& p : wanted) {
        const QString phase = QString::fromLatin1(p.phase);
        w("--Start declaring the on", p.name, " event");
        w("function ", V, "_touch_", phase, " ( event )");
        w.line(1, "-- TODO: write your touch handling code here for ", phase);
        w.line(1, "print ( ", QuoteText(QStringLiteral("touch ") + phase + QStringLiteral(" - ") + V), " )");
        w("end");
        w("--End declaring the on", p.name, " event");
        w.blank();
    }
    w("--Start declaring the event listener");
    w(V, ":addEventListener ( ", QuoteText(QStringLiteral("touch")), ", ", V, "_touch )");
    w("--end declaring the event listener");
    return w.text();
}

QString clsDisplay::graphics2(const QString& typeName, const QStringList& args,
                              const QList<PhaseText>& wanted) const
{
    const QString V = varName();
    const QString call =
        args.isEmpty() ? QStringLiteral("()") : QStringLiteral("( ") + args.join(QStringLiteral(", ")) + " )";
    LineWriter w;
    w("local ", V, " = display.new", typeName, call);
    // Explicit anchors keep x, y where the user meant them, whatever a project's
    // display.setDefault says.
    if (isImage()) {
        // Without a reference point, the engine's default: the centre.
        const bool known = !referencePointName(m_reference).isEmpty();
        w(V, ".anchorX = ", anchorText(known ? m_reference % 3 : 1));
        w(V, ".anchorY = ", anchorText(known ? m_reference / 3 : 1));
        w(V, ".x = ", num(m_x));
        w(V, ".y = ", num(m_y));
    } else {
        if (m_dObjType == Circle) {
            w(V, ".anchorX = 0.5");
            w(V, ".anchorY = 0.5");
        } else if (m_dObjType != Line) { // a line ignores anchors
            w(V, ".anchorX = 0");
            w(V, ".anchorY = 0");
        }
        // A Graphics 2.0 line is painted by its stroke and has no fill.
        const QString colour =
            m_dObjType == Line ? QStringLiteral(":setStrokeColor( ") : QStringLiteral(":setFillColor( ");
        w(V, colour, unitComponent(colourComponent(1)), ", ", unitComponent(colourComponent(2)), ", ",
          unitComponent(colourComponent(3)), " )");
    }
    if (wanted.isEmpty())
        return w.text();
    // Returning true stops the touch here, as the engine's guides advise, so it does not
    // also reach the objects below.
    w.blank();
    w("local function ", V, "_touch( event )");
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        const QString phase = QString::fromLatin1(wanted.at(i).phase);
        w.line(1, i == 0 ? "if " : "elseif ", "event.phase == ", QuoteText(phase), " then");
        w.line(2, "-- TODO: write your touch handling code here for ", phase);
        w.line(2, "print( ", QuoteText(QStringLiteral("touch ") + phase + QStringLiteral(" - ") + V),
               ", event.x, event.y )");
    }
    w.line(1, "end");
    w.line(1, "return true");
    w("end");
    w(V, ":addEventListener( ", QuoteText(QStringLiteral("touch")), ", ", V, "_touch )");
    return w.text();
}
