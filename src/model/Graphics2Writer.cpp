#include "Graphics2Writer.h"

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "DisplayCall.h"
#include "LineWriter.h"
#include "mdlBrowsePath.h"
#include "PhysicsCode.h"
#include "PropertyLines.h"

using mdlBrowsePath::QuoteText;

namespace {

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

QString Graphics2Writer::caption() const
{
    return QStringLiteral("Solar2D (Graphics 2.0)");
}

int Graphics2Writer::graphicsCompatibility() const
{
    return 0;
}

std::optional<QString> Graphics2Writer::display(const clsDisplay& d, const WriteContext& context) const
{
    const QString typeName = DisplayCall::typeName(d);
    if (typeName.isEmpty())
        return std::nullopt;
    const QStringList args = DisplayCall::arguments(d);
    const QList<DisplayCall::Phase> wanted = DisplayCall::phases(d);
    const QString V = d.varName();
    const QString call =
        args.isEmpty() ? QStringLiteral("()") : QStringLiteral("( ") + args.join(QStringLiteral(", ")) + " )";
    LineWriter w;
    PhysicsCode::writeStartFor(w, d, context);
    w("local ", V, " = display.new", typeName, call);
    // Explicit anchors keep x, y where the user meant them, whatever a project's
    // display.setDefault says.
    if (d.isGroup()) {
        DisplayCall::placeGroup(w, d);
    } else if (d.isImage()) {
        // Without a reference point, the engine's default: the centre.
        const bool known = !clsDisplay::referencePointName(d.reference()).isEmpty();
        w(V, ".anchorX = ", anchorText(known ? d.reference() % 3 : 1));
        w(V, ".anchorY = ", anchorText(known ? d.reference() / 3 : 1));
        w(V, ".x = ", d.xText());
        w(V, ".y = ", d.yText());
    } else {
        if (d.dObjType() == clsDisplay::Circle) {
            w(V, ".anchorX = 0.5");
            w(V, ".anchorY = 0.5");
        } else if (d.dObjType() != clsDisplay::Line) { // a line ignores anchors
            w(V, ".anchorX = 0");
            w(V, ".anchorY = 0");
        }
        // A Graphics 2.0 line is painted by its stroke and has no fill.
        const QString colour = d.dObjType() == clsDisplay::Line ? QStringLiteral(":setStrokeColor( ")
                                                                : QStringLiteral(":setFillColor( ");
        w(V, colour, unitComponent(d.colourComponent(1)), ", ", unitComponent(d.colourComponent(2)), ", ",
          unitComponent(d.colourComponent(3)), " )");
    }
    PropertyLines::write(w, d, false);
    if (wanted.isEmpty()) {
        PhysicsCode::writeBody(w, d);
        return w.text();
    }
    // Returning true stops the touch here, as the engine's guides advise, so it does not
    // also reach the objects below.
    w.blank();
    w("local function ", V, "_touch( event )");
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        const QString phase = wanted.at(i).phase;
        w.line(1, i == 0 ? "if " : "elseif ", "event.phase == ", QuoteText(phase), " then");
        w.line(2, "-- TODO: write your touch handling code here for ", phase);
        w.line(2, "print( ", QuoteText(QStringLiteral("touch ") + phase + QStringLiteral(" - ") + V),
               ", event.x, event.y )");
    }
    w.line(1, "end");
    w.line(1, "return true");
    w("end");
    w(V, ":addEventListener( ", QuoteText(QStringLiteral("touch")), ", ", V, "_touch )");
    PhysicsCode::writeBody(w, d);
    return w.text();
}

QString Graphics2Writer::transition(const clsTransition& t, const WriteContext& context) const
{
    // Function listeners: one name for both events is one function, called twice.
    const QString S = t.onStart().trimmed(), C = t.onComplete().trimmed();
    LineWriter w;
    const auto listener = [&w](const QString& name, const char* what) {
        w("local function ", name, "( target )");
        w.line(1, "print( \"transition ", what, "\", target )");
        w("end");
        w.blank();
    };
    if (!S.isEmpty())
        listener(S, S == C ? "started or completed" : "started");
    if (!C.isEmpty() && C != S)
        listener(C, "completed");
    w("transition.", t.direction(), "( ", t.varName(), ", {");
    w.line(1, "time = ", QString::number(t.duration()), ",");
    if (t.delay() != 0)
        w.line(1, "delay = ", QString::number(t.delay()), ",");
    if (context.scene) // scene:hide cancels the scene's own transitions by this tag
        w.line(1, "tag = ", QuoteText(context.sceneName), ",");
    for (const clsData& p : t.properties())
        w.line(1, p.clsKey(), " = ", p.clsValue(), ",");
    if (!t.easing().isEmpty())
        w.line(1, "transition = easing.", t.easing(), ",");
    if (!S.isEmpty())
        w.line(1, "onStart = ", S, ",");
    if (!C.isEmpty())
        w.line(1, "onComplete = ", C, ",");
    w("} )");
    return w.text();
}

QString Graphics2Writer::alert(const clsAlert& a, const WriteContext& context) const
{
    const QString V = a.varName();
    LineWriter w;
    w("local function onMy_", V, "( event )");
    w.line(1, "if event.action == \"clicked\" then");
    if (a.buttons().isEmpty()) {
        w.line(2, "print( \"Clicked button\", event.index )");
    } else {
        w.line(2, "local i = event.index");
        qsizetype n = 0;
        for (const clsData& b : a.buttons()) {
            ++n;
            // An empty comment would end the line in a blank.
            const QString comment =
                b.clsValue().isEmpty() ? QString() : QStringLiteral(" -- ") + b.clsValue();
            w.line(2, n == 1 ? "if " : "elseif ", "i == ", QString::number(n), " then", comment);
            w.line(3, "print( ", QuoteText(QStringLiteral("Clicked ") + b.clsValue()), " )");
        }
        w.line(2, "end");
    }
    w.line(1, "end");
    w("end");
    w.blank();
    QStringList captions;
    for (const clsData& b : a.buttons())
        captions.append(QuoteText(b.clsKey()));
    const QString list = captions.isEmpty()
                             ? QStringLiteral("{}")
                             : QStringLiteral("{ ") + captions.join(QStringLiteral(", ")) + " }";
    const QString show = QStringLiteral("native.showAlert( ") + QuoteText(a.title()) + QStringLiteral(", ") +
                         QuoteText(a.message()) + QStringLiteral(", ") + list + QStringLiteral(", onMy_") +
                         V + QStringLiteral(" )");
    if (!context.scene)
        return w(show).text();
    // The scene keeps the handle in a local of its own, so that scene:hide can cancel it.
    w("-- Call show_", V, "() from a listener to show this alert.");
    w("local function show_", V, "() -- luacheck: ignore 211/show_", V);
    w.line(1, V, " = ", show);
    w("end");
    return w.text();
}
