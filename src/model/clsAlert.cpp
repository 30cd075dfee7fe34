#include "clsAlert.h"

#include "ErrorHook.h"
#include "LineWriter.h"
#include "mdlBrowsePath.h"

#include <QStringList>

using mdlBrowsePath::QuoteText;

void clsAlert::init()
{
    setVarName(QStringLiteral("untitled"));
    m_title = QStringLiteral("Alert Dialog Title");
    m_message = QStringLiteral("Alert Dialog message");
    m_buttons = PairList();
}

void clsAlert::addButton(const QString& id, const QString& caption)
{
    QString error;
    if (!m_buttons.append(clsData(caption, id), &error))
        ErrorHook::report(error);
}

bool clsAlert::removeButton(qsizetype position)
{
    return m_buttons.remove(position);
}

std::optional<QString> clsAlert::codeSnippet(GraphicsApi api) const
{
    return api == GraphicsApi::V1 ? graphics1() : graphics2();
}

QString clsAlert::graphics1() const
{
    const QString V = varName();
    const bool hasButtons = !m_buttons.isEmpty();
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
    for (const clsData& b : m_buttons) {
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
    w.part(QStringLiteral("local ") + V + QStringLiteral(" = native.showAlert ( ") + QuoteText(m_title) +
           QStringLiteral(", ") + QuoteText(m_message) + QStringLiteral(", "));
    QStringList captions;
    for (const clsData& b : m_buttons)
        captions.append(QuoteText(b.clsKey()));
    // Without buttons an empty table keeps the call valid Lua.
    w(hasButtons ? QStringLiteral("{ ") + captions.join(QStringLiteral(", ")) + QStringLiteral(" }")
                 : QStringLiteral("{ }"));
    w(", onMy_", V, " )");
    w("--END of Showing AlertWindow");
    w.blank();
    w("--END of AlertWindow");
    return w.text();
}

QString clsAlert::graphics2() const
{
    const QString V = varName();
    LineWriter w;
    w("local function onMy_", V, "( event )");
    w.line(1, "if event.action == \"clicked\" then");
    if (m_buttons.isEmpty()) {
        w.line(2, "print( \"Clicked button\", event.index )");
    } else {
        w.line(2, "local i = event.index");
        qsizetype n = 0;
        for (const clsData& b : m_buttons) {
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
    for (const clsData& b : m_buttons)
        captions.append(QuoteText(b.clsKey()));
    const QString list = captions.isEmpty()
                             ? QStringLiteral("{}")
                             : QStringLiteral("{ ") + captions.join(QStringLiteral(", ")) + " }";
    w("native.showAlert( ", QuoteText(m_title), ", ", QuoteText(m_message), ", ", list, ", onMy_", V, " )");
    return w.text();
}
