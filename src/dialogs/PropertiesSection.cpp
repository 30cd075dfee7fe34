#include "PropertiesSection.h"

#include "clsDisplay.h"
#include "ColorDialog.h"
#include "DisplayInput.h"
#include "FormBuilder.h"
#include "NumberReader.h"
#include "PropertyLines.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace {

constexpr int sectionHeight = 1200; // twips

std::optional<double> finite(const QLineEdit* field)
{
    const std::optional<double> value = NumberReader::strict(field->text());
    return value && std::isfinite(*value) ? value : std::nullopt;
}

} // namespace

PropertiesSection::PropertiesSection(QWidget* parent) : QWidget(parent)
{
    using F = FormBuilder;
    setObjectName(QStringLiteral("PropertiesSection"));
    const auto field = [this](const char* name, const char* caption, int left, int top) {
        F::label(this, QStringLiteral("lbl") + QLatin1String(name + 3), QString::fromLatin1(caption),
                 QRect(left - 1100, top, 1020, 195));
        return F::textField(this, QString::fromLatin1(name), QRect(left, top, 1335, 285));
    };
    m_alpha = field("txtAlpha", "Alpha :", 1440, 0);
    m_rotation = field("txtRotation", "Rotation :", 3840, 0);
    m_xScale = field("txtXScale", "x scale :", 1440, 360);
    m_yScale = field("txtYScale", "y scale :", 3840, 360);
    m_strokeWidth = field("txtStrokeWidth", "Stroke width :", 1440, 720);
    m_swatch = new QLabel(this);
    m_swatch->setObjectName(QStringLiteral("picStrokeColor"));
    m_swatch->setGeometry(F::rect(2880, 720, 495, 285));
    m_swatch->setFrameShape(QFrame::Panel);
    m_swatch->setFrameShadow(QFrame::Sunken);
    m_swatch->setAutoFillBackground(true);
    m_strokeButton = F::button(this, QStringLiteral("cmdStrokeColor"), QStringLiteral("Stroke colour"),
                               QRect(3480, 720, 1695, 285));
    connect(m_strokeButton, &QPushButton::clicked, this, &PropertiesSection::pickStrokeColour);
    load(DisplayProperties());
}

PropertiesSection* PropertiesSection::insertInto(QDialog* dialog, int top, QWidget* after)
{
    const int shift = FormBuilder::px(sectionHeight);
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->y() >= FormBuilder::px(top))
            child->move(child->x(), child->y() + shift);
    }
    auto* section = new PropertiesSection(dialog);
    section->setGeometry(0, FormBuilder::px(top), dialog->width(), shift);
    dialog->setFixedHeight(dialog->height() + shift);
    const QList<QWidget*> fields{section->m_alpha,  section->m_rotation,    section->m_xScale,
                                 section->m_yScale, section->m_strokeWidth, section->m_strokeButton};
    for (QWidget* next : fields) {
        QWidget::setTabOrder(after, next);
        after = next;
    }
    return section;
}

void PropertiesSection::load(const DisplayProperties& p)
{
    m_alpha->setText(DisplayProperties::number(p.alpha));
    m_rotation->setText(DisplayProperties::number(p.rotation));
    m_xScale->setText(DisplayProperties::number(p.xScale));
    m_yScale->setText(DisplayProperties::number(p.yScale));
    m_strokeWidth->setText(QString::number(p.strokeWidth));
    setSwatch(p.strokeColour);
}

std::optional<InputProblem> PropertiesSection::check() const
{
    const auto problem = [](const char* message, const QLineEdit* field) {
        return InputProblem{QString::fromLatin1(message), field->objectName()};
    };
    const std::optional<double> alpha = finite(m_alpha);
    if (!alpha || *alpha < 0 || *alpha > 1)
        return problem("The alpha has to be a number from 0 to 1", m_alpha);
    if (!finite(m_rotation))
        return problem("The rotation has to be a number", m_rotation);
    if (!finite(m_xScale))
        return problem("The x scale has to be a number", m_xScale);
    if (*finite(m_xScale) == 0)
        return problem("The x scale cannot be 0", m_xScale);
    if (!finite(m_yScale))
        return problem("The y scale has to be a number", m_yScale);
    if (*finite(m_yScale) == 0)
        return problem("The y scale cannot be 0", m_yScale);
    const std::optional<double> width = finite(m_strokeWidth);
    if (!width || *width != std::floor(*width) || *width < 0 || *width > DisplayProperties::strokeWidthMax)
        return problem("The stroke width has to be a whole number from 0 to 255", m_strokeWidth);
    return std::nullopt;
}

DisplayProperties PropertiesSection::read() const
{
    DisplayProperties p;
    p.alpha = finite(m_alpha).value_or(1);
    p.rotation = finite(m_rotation).value_or(0);
    p.xScale = finite(m_xScale).value_or(1);
    p.yScale = finite(m_yScale).value_or(1);
    p.strokeWidth = qint32(finite(m_strokeWidth).value_or(0));
    p.strokeColour = m_strokeColour;
    return p;
}

void PropertiesSection::setKind(int kind)
{
    m_strokeWidth->setEnabled(PropertyLines::takesStroke(kind));
    m_strokeButton->setEnabled(PropertyLines::takesStroke(kind) && kind != clsDisplay::Line);
}

void PropertiesSection::pickStrokeColour()
{
    try {
        const QColor chosen = colorDialog()->getColor(DisplayInput::fromWindowsColour(m_strokeColour), this);
        if (chosen.isValid())
            setSwatch(DisplayInput::windowsColour(chosen));
    } catch (...) {
        // A failing colour dialog leaves the swatch as it was.
    }
}

void PropertiesSection::setSwatch(qint32 colour)
{
    m_strokeColour = colour;
    QPalette palette = m_swatch->palette();
    palette.setColor(QPalette::Window, DisplayInput::fromWindowsColour(colour));
    m_swatch->setPalette(palette);
}
