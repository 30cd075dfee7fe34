#include "WorkspaceStatusBar.h"

#include "BuildInfo.h"
#include "ElidedLabel.h"
#include "PreferredFont.h"
#include "Shell.h"

#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int noteMilliseconds = 4000;

} // namespace

WorkspaceStatusBar::WorkspaceStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setFont(PreferredFont::tahoma(9.75));

    addPanel(QStringLiteral("notice"), makerNotice(), 1);
    const QString email = QString::fromUtf8(BuildInfo::feedbackEmail);
    const QString url = QString::fromUtf8(BuildInfo::homepageUrl);
    addPanel(QStringLiteral("eml"), QStringLiteral("email: ") + email, 0)->setCursor(Qt::PointingHandCursor);
    addPanel(QStringLiteral("url"), QStringLiteral("url : ") + url, 0)->setCursor(Qt::PointingHandCursor);

    // A temporary message of the status bar itself would hide the panels while it shows.
    // Gives way to the panels in a narrow window, the whole text then in its tool tip.
    lblNote = new ElidedLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    addPermanentWidget(lblNote);
    lblNote->hide();
    m_noteTimer = new QTimer(this);
    m_noteTimer->setSingleShot(true);
    m_noteTimer->setInterval(noteMilliseconds);
    connect(m_noteTimer, &QTimer::timeout, lblNote, &QLabel::hide);
}

QString WorkspaceStatusBar::makerNotice()
{
    return QStringLiteral("© %1 %2").arg(QString::fromUtf8(BuildInfo::makerYear),
                                         QString::fromUtf8(BuildInfo::maker));
}

void WorkspaceStatusBar::showNote(const QString& text)
{
    // What the start had to say (work recovered) stays beside the next note while it shows.
    const bool join = !m_startNote.isEmpty() && !lblNote->isHidden() && lblNote->text() == m_startNote;
    lblNote->setText(join ? m_startNote + QStringLiteral("; ") + text : text);
    m_startNote.clear();
    lblNote->show();
    m_noteTimer->start();
}

void WorkspaceStatusBar::showStartNote(const QString& text)
{
    showNote(text);
    m_startNote = text;
}

QLabel* WorkspaceStatusBar::addPanel(const QString& name, const QString& text, int stretch)
{
    auto* panel = new QLabel(text, this);
    panel->setObjectName(name);
    panel->setToolTip(text);
    panel->installEventFilter(this);
    addWidget(panel, stretch);
    return panel;
}

void WorkspaceStatusBar::StatusBar1_PanelClick(const QLabel* panel)
{
    const QString key = panel->objectName();
    if (key == QLatin1String("eml"))
        Shell::instance()->openUrl(QUrl(QStringLiteral("mailto:") +
                                        QString::fromUtf8(BuildInfo::feedbackEmail) +
                                        QStringLiteral("?Subject=Feedback on Quillet")));
    else if (key == QLatin1String("url"))
        Shell::instance()->openUrl(QUrl(QString::fromUtf8(BuildInfo::homepageUrl)));
}

bool WorkspaceStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    const auto* panel = qobject_cast<QLabel*>(watched);
    if (event->type() == QEvent::MouseButtonRelease && panel && isAncestorOf(panel)) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::LeftButton && panel->rect().contains(click->position().toPoint()))
            StatusBar1_PanelClick(panel);
    }
    return QStatusBar::eventFilter(watched, event);
}
