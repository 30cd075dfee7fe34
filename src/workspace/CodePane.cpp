#include "CodePane.h"

#include "ApiDocs.h"
#include "Shell.h"

#include "CheckLine.h"
#include "LuaLexer.h"
#include "PreferredFont.h"

#include <Qsci/qsciscintilla.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {

// The pane's marker for the line Lua could not compile.
constexpr int errorMarker = 0;

} // namespace

CodePane::CodePane(QWidget* client) : QObject(client)
{
    txtCode = new QsciScintilla(client);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setUtf8(true);
    // CR LF as the generators write it, also for lines the user adds.
    txtCode->setEolMode(QsciScintilla::EolWindows);
    txtCode->setMarginWidth(1, 0);
    // The horizontal scroll bar follows the widest line shown, so an empty pane has none to move.
    txtCode->setScrollWidth(1);
    txtCode->setScrollWidthTracking(true);
    auto* lexer = new LuaLexer(txtCode);
    const QFont codeFont = PreferredFont::courierNew(8.25);
    lexer->setDefaultFont(codeFont);
    lexer->setFont(codeFont);
    txtCode->setLexer(lexer);
    // A background marker needs no margin, so the pane keeps its designed look.
    txtCode->markerDefine(QsciScintilla::Background, errorMarker);
    txtCode->setMarkerBackgroundColor(QColor(0xf6, 0xc9, 0xc5), errorMarker);
    // The pane's own edits never reach an object, so Tab needs no indenting and can move on.
    txtCode->installEventFilter(this);
    connect(txtCode, &QsciScintilla::textChanged, this, [this] { emit textPresent(txtCode->length() > 0); });

    lblCheck = new QLabel(client);
    lblCheck->setObjectName(QStringLiteral("lblCheck"));
    lblCheck->setWordWrap(true);
    lblCheck->setTextFormat(Qt::RichText);
    lblCheck->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblCheck->setMargin(3);
    lblCheck->hide();
}

QWidget* CodePane::editor() const
{
    return txtCode;
}

void CodePane::showSnippet(const QString& snippet)
{
    txtCode->setScrollWidth(1); // tracking only widens; start again from this text
    txtCode->setText(snippet);
}

void CodePane::clear()
{
    txtCode->setScrollWidth(1);
    txtCode->setText(QString());
    clearCheck();
}

void CodePane::showCheck(const CheckLine& line)
{
    txtCode->markerDeleteAll(errorMarker);
    if (line.isEmpty()) {
        clearCheck();
        return;
    }
    if (line.errorLine > 0)
        txtCode->markerAdd(line.errorLine - 1, errorMarker);
    showCheckLine(line.html, line.severity);
}

bool CodePane::copy() const
{
    const QString text = txtCode->text();
    if (text.isEmpty())
        return false;
    QGuiApplication::clipboard()->setText(text);
    return true;
}

void CodePane::showNoSnippet(const QString& reason)
{
    // Another object's code left in the pane would be copied as this one's.
    clear();
    showCheckLine(reason.toHtmlEscaped(), QStringLiteral("note"));
}

WorkspaceLayout CodePane::place(QSize client, int toolbar, int statusBar)
{
    const auto layoutFor = [&](int message) {
        return WorkspaceLayout::forClient(
            QSize(WorkspaceLayout::toTwips(client.width()), WorkspaceLayout::toTwips(client.height())),
            WorkspaceLayout::toTwips(toolbar), WorkspaceLayout::toTwips(statusBar),
            WorkspaceLayout::toTwips(message));
    };
    WorkspaceLayout layout = layoutFor(0);
    // The figures count from the window's top; the client area starts below the toolbar.
    const QPoint offset(0, toolbar);
    if (lblCheck->isHidden()) {
        txtCode->setGeometry(WorkspaceLayout::toPixels(layout.code).translated(-offset));
        return layout;
    }
    // The message wraps to the pane's width; its height follows from that.
    const int paneWidth = WorkspaceLayout::toPixels(layout.code.width());
    const int message =
        lblCheck->hasHeightForWidth() ? lblCheck->heightForWidth(paneWidth) : lblCheck->sizeHint().height();
    layout = layoutFor(message);
    txtCode->setGeometry(WorkspaceLayout::toPixels(layout.code).translated(-offset));
    lblCheck->setGeometry(WorkspaceLayout::toPixels(layout.message).translated(-offset));
    return layout;
}

void CodePane::showCheckLine(const QString& html, const QString& severity)
{
    // Keeps the two blanks before each hint.
    lblCheck->setText(QStringLiteral("<div style=\"white-space:pre-wrap\">%1</div>").arg(html));
    lblCheck->setProperty("severity", severity);
    lblCheck->setStyleSheet(
        severity == QLatin1String("error")
            ? QStringLiteral("QLabel { background: #fbe3e1; border: 1px solid #d9473d; }")
        : severity == QLatin1String("warning")
            ? QStringLiteral("QLabel { background: #fff6d6; border: 1px solid #e0b43a; }")
            : QStringLiteral("QLabel { background: #eef2f7; border: 1px solid #8a9bb0; }"));
    lblCheck->show();
    emit checkLineChanged();
}

void CodePane::clearCheck()
{
    txtCode->markerDeleteAll(errorMarker);
    if (lblCheck->isHidden())
        return;
    lblCheck->hide();
    lblCheck->clear();
    emit checkLineChanged();
}

bool CodePane::txtCode_KeyPress(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F1) {
        int line = 0;
        int index = 0;
        txtCode->getCursorPosition(&line, &index);
        Shell::instance()->openUrl(ApiDocs::pageFor(ApiDocs::wordAt(txtCode->text(line), index)));
        return true;
    }
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        emit escapePressed();
        return true;
    }
    // Tab, Shift+Tab and the same with Ctrl, as in every other field.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!tab || (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier)))
        return false;
    emit tabPressed(event->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
    return true;
}

bool CodePane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtCode && event->type() == QEvent::KeyPress)
        return txtCode_KeyPress(static_cast<QKeyEvent*>(event));
    // F1 in the pane opens the page of the word at the cursor, not About.
    if (watched == txtCode && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
