#include "clsTransition.h"

#include "ErrorHook.h"
#include "LineWriter.h"

void clsTransition::init()
{
    setVarName(QStringLiteral("untitled"));
    m_duration = 1000;
    m_delay = 0;
    m_onStart.clear();
    m_onComplete.clear();
    setTransitionDirection(1);
    m_properties = PairList();
}

void clsTransition::addProperty(const QString& value, const QString& key)
{
    QString error;
    if (!m_properties.append(clsData(key, value), &error))
        ErrorHook::report(error);
}

bool clsTransition::removeProperty(qsizetype position)
{
    return m_properties.remove(position);
}

std::optional<QString> clsTransition::codeSnippet(GraphicsApi api) const
{
    return api == GraphicsApi::V1 ? graphics1() : graphics2();
}

QString clsTransition::graphics1() const
{
    // The listener blocks declare Corona table listeners: Corona calls the method named
    // after the event on the table passed as onStart / onComplete.
    LineWriter w;
    w("--Code snippet for TransitionObject STARTED");
    if (!m_onStart.isEmpty()) {
        w("--START of the onStart routine");
        w.line(1, "local ", m_onStart, " = {}");
        w.line(1, "function ", m_onStart, ":onStart ( target )");
        w.line(2, "print (\"transition started\")");
        w.line(1, "end");
        w("--END of the onStart routine");
        w.blank();
    }
    if (!m_onComplete.isEmpty()) {
        w("--START of the onComplete routine");
        w.line(1, "local ", m_onComplete, " = {}");
        w.line(1, "function ", m_onComplete, ":onComplete ( target )");
        w.line(2, "print (\"transition completed\")");
        w.line(1, "end");
        w("--END of the onCompleted routine");
        w.blank();
    }
    QString table = QStringLiteral("{ time=") + QString::number(m_duration);
    if (m_delay != 0)
        table += QStringLiteral(", delay=") + QString::number(m_delay);
    for (const clsData& p : m_properties)
        table += QStringLiteral(", ") + p.clsKey() + QStringLiteral("=") + p.clsValue();
    if (!m_onStart.isEmpty())
        table += QStringLiteral(", onStart=") + m_onStart;
    if (!m_onComplete.isEmpty())
        table += QStringLiteral(", onComplete=") + m_onComplete;
    table += QStringLiteral(" }");
    w.line(1, "transition.", direction(), " ( ", varName(), ", ", table, " ) ");
    w.blank();
    w("--Code snippet for TransitionObject ENDED");
    return w.text();
}

QString clsTransition::graphics2() const
{
    // Function listeners: one name for both events is one function, called twice.
    const QString S = m_onStart.trimmed(), C = m_onComplete.trimmed();
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
    w("transition.", direction(), "( ", varName(), ", {");
    w.line(1, "time = ", QString::number(m_duration), ",");
    if (m_delay != 0)
        w.line(1, "delay = ", QString::number(m_delay), ",");
    for (const clsData& p : m_properties)
        w.line(1, p.clsKey(), " = ", p.clsValue(), ",");
    if (!S.isEmpty())
        w.line(1, "onStart = ", S, ",");
    if (!C.isEmpty())
        w.line(1, "onComplete = ", C, ",");
    w("} )");
    return w.text();
}
