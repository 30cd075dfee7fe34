#include "frmData.h"

#include "ClearTextBoxes.h"
#include "FormBuilder.h"

#include <QLineEdit>
#include <QPushButton>

frmData::frmData(QWidget* owner) : QDialog(owner)
{
    using F = FormBuilder;
    F::setupDialog(this, QStringLiteral("frmData"), QStringLiteral("Add Data"), 5265, 2295);
    setWindowIcon(F::glyphIcon(QStringLiteral("=")));
    F::banner(this, QStringLiteral("lblHeader"), QStringLiteral("  Add new Data"));
    F::label(this, QStringLiteral("lblKey"), QStringLiteral("Key / ID : "), QRect(675, 720, 735, 195));
    m_txtKey = F::textField(this, QStringLiteral("txtKey"), QRect(1440, 720, 3735, 285));
    F::label(this, QStringLiteral("lblValue"), QStringLiteral("Value / Caption : "),
             QRect(165, 1080, 1245, 195));
    m_txtValue = F::textField(this, QStringLiteral("txtValue"), QRect(1440, 1080, 3735, 285));
    F::separator(this, QStringLiteral("Line1"), 1440, 5280);
    auto* ok = F::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(960, 1680, 1215, 495));
    auto* cancel =
        F::button(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), QRect(3240, 1680, 1215, 495));
    ok->setDefault(true);
    // The designed placeholder text, which loading clears.
    m_txtKey->setText(QStringLiteral("Text1"));
    m_txtValue->setText(QStringLiteral("Text1"));

    setTabOrder(m_txtKey, m_txtValue);
    setTabOrder(m_txtValue, ok);
    setTabOrder(ok, cancel);
    connect(ok, &QPushButton::clicked, this, &frmData::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &frmData::reject);
    Form_Load();
}

void frmData::Form_Load()
{
    ClearTextBoxes(this);
    m_cancelled = false;
    m_txtKey->setFocus();
}

QString frmData::keyText() const
{
    return m_txtKey->text();
}

void frmData::setKeyLimit(qsizetype characters)
{
    m_txtKey->setMaxLength(int(characters));
}

QString frmData::valueText() const
{
    return m_txtValue->text();
}

void frmData::cmdOK_Click()
{
    m_cancelled = false;
    accept();
}

void frmData::reject()
{
    // Cancel, Esc and the close box all end up here.
    m_cancelled = true;
    QDialog::reject();
}
