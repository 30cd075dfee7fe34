#include "Graphics1Writer.h"

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

} // namespace

QString Graphics1Writer::caption() const
{
    return QStringLiteral("Corona (Graphics 1.0)");
}

int Graphics1Writer::graphicsCompatibility() const
{
    return 1;
}

QStringList Graphics1Writer::warnings(const ModelObject& object) const
{
    if (object.kind() != ObjectKind::Transition)
        return {};
    // Graphics 2.0 writes one function for both events.
    const auto& t = static_cast<const clsTransition&>(object);
    if (t.onStart().isEmpty() || t.onStart() != t.onComplete())
        return {};
    return {QStringLiteral(
                "onStart and onComplete share the name \u201C%1\u201D: its second declaration hides the "
                "first, so Corona never calls the onStart method.")
                .arg(t.onStart())};
}

std::optional<QString> Graphics1Writer::display(const clsDisplay& d, const WriteContext& context) const
{
    const QString typeName = DisplayCall::typeName(d);
    if (typeName.isEmpty())
        return std::nullopt;
    const QStringList args = DisplayCall::arguments(d);
    const QList<DisplayCall::Phase> wanted = DisplayCall::phases(d);
    const QString V = d.varName();
    // The first output leaves an empty last argument where an image has no file.
    QString call = args.join(QStringLiteral(", "));
    if (d.dObjType() == clsDisplay::Image && !d.parGroup().isEmpty() && d.filename().isEmpty())
        call += QStringLiteral(", ");
    LineWriter w;
    PhysicsCode::writeStartFor(w, d, context);
    w("-- START the display object Declaration");
    w("local ", V, "={}");
    w("local ", V, "_touch={}");
    for (const DisplayCall::Phase& p : wanted)
        w("local ", V, "_touch_", p.phase, "={}");
    w.blank();
    w("-- CREATE the display object");
    w(V, " = display.new", typeName, "( ", call, ") ");
    if (d.isGroup()) {
        DisplayCall::placeGroup(w, d);
    } else if (d.isImage()) {
        // Without a reference point the engine's default, the centre, stays.
        const QString refName = clsDisplay::referencePointName(d.reference());
        if (!refName.isEmpty())
            w(V, ":setReferencePoint( display.", refName, "ReferencePoint )");
        w(V, ".x = ", d.xText());
        w(V, ".y = ", d.yText());
    } else {
        const QString colour = d.dObjType() == clsDisplay::Text ? QStringLiteral(":setTextColor( ")
                                                                : QStringLiteral(":setFillColor( ");
        w(V, colour, num(d.colourComponent(1)), ", ", num(d.colourComponent(2)), ", ",
          num(d.colourComponent(3)), " )");
    }
    PropertyLines::write(w, d, true);
    w.blank();
    w("--Start declaring the handler event");
    w("function ", V, "_touch ( event )");
    for (qsizetype i = 0; i < wanted.size(); ++i) {
        const DisplayCall::Phase& p = wanted.at(i);
        w.line(1, i == 0 ? "if " : "elseif ", QuoteText(p.phase), " == event.phase then ");
        w.line(2, V, "_touch_", p.phase, " ( event )");
    }
    if (!wanted.isEmpty())
        w("end");
    w("end");
    w("--END declaring the handler event");
    w.blank();
    for (const DisplayCall::Phase& p : wanted) {
        const QString phase = p.phase;
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
    PhysicsCode::writeBody(w, d);
    return w.text();
}

QString Graphics1Writer::transition(const clsTransition& t, const WriteContext& context) const
{
    // The listener blocks declare Corona table listeners: Corona calls the method named
    // after the event on the table passed as onStart / onComplete.
    LineWriter w;
    w("--Code snippet for TransitionObject STARTED");
    if (!t.onStart().isEmpty()) {
        w("--START of the onStart routine");
        w.line(1, "local ", t.onStart(), " = {}");
        w.line(1, "function ", t.onStart(), ":onStart ( target )");
        w.line(2, "print (\"transition started\")");
        w.line(1, "end");
        w("--END of the onStart routine");
        w.blank();
    }
    if (!t.onComplete().isEmpty()) {
        w("--START of the onComplete routine");
        w.line(1, "local ", t.onComplete(), " = {}");
        w.line(1, "function ", t.onComplete(), ":onComplete ( target )");
        w.line(2, "print (\"transition completed\")");
        w.line(1, "end");
        w("--END of the onCompleted routine");
        w.blank();
    }
    QString table = QStringLiteral("{ time=") + QString::number(t.duration());
    if (t.delay() != 0)
        table += QStringLiteral(", delay=") + QString::number(t.delay());
    if (context.scene)
        table += QStringLiteral(", tag=") + QuoteText(context.sceneName);
    for (const clsData& p : t.properties())
        table += QStringLiteral(", ") + p.clsKey() + QStringLiteral("=") + p.clsValue();
    if (!t.easing().isEmpty())
        table += QStringLiteral(", transition=easing.") + t.easing();
    if (!t.onStart().isEmpty())
        table += QStringLiteral(", onStart=") + t.onStart();
    if (!t.onComplete().isEmpty())
        table += QStringLiteral(", onComplete=") + t.onComplete();
    table += QStringLiteral(" }");
    w.line(1, "transition.", t.direction(), " ( ", t.varName(), ", ", table, " ) ");
    w.blank();
    w("--Code snippet for TransitionObject ENDED");
    return w.text();
}

QString Graphics1Writer::alert(const clsAlert& a, const WriteContext& context) const
{
    const QString V = a.varName();
    const bool hasButtons = !a.buttons().isEmpty();
    LineWriter w;
    w("--START of AlertWindow");
    w("local onMy_", V, "={}");
    w.blank();
    // Corona takes a table as listener only if its "completion" method exists when
    // showAlert runs, so the handler comes first.
    w("--START of Handling Function for AlertWindow");
    w("function onMy_", V, ":completion ( event ) ");
    w.line(1, "if ", QuoteText(QStringLiteral("clicked")), " == event.action then ");
    w.line(2, "local i = event.index");
    qsizetype n = 0;
    for (const clsData& b : a.buttons()) {
        ++n;
        w.line(2, n == 1 ? "if " : "elseif ", " i==", QString::number(n), " then --", b.clsValue());
        w.line(3, "print ( ", QuoteText(QStringLiteral("Clicked ") + b.clsValue()), " )");
    }
    if (hasButtons)
        w.line(2, "end");
    w.line(1, "end");
    w("end");
    w("--END of Handling Function for AlertWindow");
    w.blank();
    w("--START of Showing AlertWindow");
    if (context.scene) {
        w("--Call show_", V, "() from a listener to show this alert");
        w("local function show_", V, " ( )");
    }
    w.part((context.scene ? QStringLiteral("\t") : QStringLiteral("local ")) + V +
           QStringLiteral(" = native.showAlert ( ") + QuoteText(a.title()) + QStringLiteral(", ") +
           QuoteText(a.message()) + QStringLiteral(", "));
    QStringList captions;
    for (const clsData& b : a.buttons())
        captions.append(QuoteText(b.clsKey()));
    // Without buttons an empty table keeps the call valid Lua.
    w(hasButtons ? QStringLiteral("{ ") + captions.join(QStringLiteral(", ")) + QStringLiteral(" }")
                 : QStringLiteral("{ }"));
    w(", onMy_", V, " )");
    if (context.scene)
        w("end");
    w("--END of Showing AlertWindow");
    w.blank();
    w("--END of AlertWindow");
    return w.text();
}
