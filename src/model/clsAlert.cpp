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

// Graphics 2.0 changed nothing that an alert uses.
std::optional<QString> clsAlert::codeSnippet(GraphicsApi /*api*/) const
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
