#include "frmAbout.h"

#include "BuildInfo.h"
#include "SysInfoLauncher.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int logoSize = 48;

QLabel* plainLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* separator(const QString& name, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(logoSize, logoSize);
    // Until the program has an icon of its own, this is whatever the owner or application shows.
    picIcon->setPixmap(windowIcon().pixmap(QSize(logoSize, logoSize), devicePixelRatio()));

    lblTitle = plainLabel(QStringLiteral("lblTitle"), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = plainLabel(QStringLiteral("lblVersion"), this);

    lblDescription = plainLabel(QStringLiteral("lblDescription"), this);
    lblDescription->setWordWrap(true);
    lblDescription->setText(
        QStringLiteral("Quillet writes Lua snippets for the Corona SDK: describe a display "
                       "object, a transition or an alert window, and copy the generated "
                       "code into your project.\n\nQuestions and suggestions are welcome "
                       "at %1.")
            .arg(QString::fromUtf8(BuildInfo::feedbackEmail)));

    lblDisclaimer = plainLabel(QStringLiteral("lblDisclaimer"), this);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setText(
        QStringLiteral("Copyright \u00A9 %1 %2. Quillet is provided as is, without "
                       "warranty of any kind.")
            .arg(QString::fromUtf8(BuildInfo::makerYear), QString::fromUtf8(BuildInfo::maker)));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setHorizontalSpacing(16);
    layout->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1, 1, 2);
    layout->addWidget(lblVersion, 1, 1, 1, 2);
    layout->addWidget(separator(QStringLiteral("Line1"), this), 2, 0, 1, 3);
    layout->addWidget(lblDescription, 3, 1, 1, 2);
    layout->addWidget(separator(QStringLiteral("Line2"), this), 4, 0, 1, 3);
    layout->addWidget(lblDisclaimer, 5, 0, 2, 2, Qt::AlignTop);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    layout->addLayout(buttons, 5, 2, 2, 1);
    layout->setColumnMinimumWidth(1, 300);

    Form_Load();
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromUtf8(BuildInfo::title);
    setWindowTitle(QStringLiteral("About ") + title);
    lblTitle->setText(title);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(BuildInfo::versionMajor)
                            .arg(BuildInfo::versionMinor)
                            .arg(BuildInfo::versionPatch));
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    SysInfoLauncher::StartSysInfo(this);
}
