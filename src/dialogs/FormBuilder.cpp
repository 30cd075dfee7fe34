#include "FormBuilder.h"

#include "TextLimits.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include <cmath>

int FormBuilder::px(int twips)
{
    return int(std::lround(twips / 15.0));
}

QRect FormBuilder::rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QString FormBuilder::editCaption(const QString& caption, const QString& varName)
{
    return QStringLiteral("%1 - %2").arg(caption, varName);
}

void FormBuilder::setupDialog(QDialog* dialog, const QString& name, const QString& caption, int clientWidth,
                              int clientHeight)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog->setFixedSize(px(clientWidth), px(clientHeight));
    // The layouts are drawn for Tahoma; where it is missing, a font of similar width keeps
    // the captions inside their rectangles.
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                                   {QStringLiteral("DejaVu Sans Condensed"),
                                    QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                                    QStringLiteral("Arial")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    dialog->setFont(font);
}

QLabel* FormBuilder::banner(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(rect(0, 0, 5295, 615));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(18);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Shadow));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::HighlightedText));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* FormBuilder::label(QWidget* parent, const QString& name, const QString& text, const QRect& twips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(rect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fitLabel(label);
    return label;
}

QLineEdit* FormBuilder::textField(QWidget* parent, const QString& name, const QRect& twips)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    // The limits the workspace files hold, so that every object saved opens again. The width
    // field holds a text label's font.
    static const QStringList names{QStringLiteral("txtVarName"), QStringLiteral("txtParentGroup"),
                                   QStringLiteral("txtWidth"), QStringLiteral("txtOnStart"),
                                   QStringLiteral("txtOnComplete")};
    field->setMaxLength(int(names.contains(name) ? TextLimits::name : TextLimits::text));
    field->setGeometry(rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return field;
}

QPushButton* FormBuilder::button(QWidget* parent, const QString& name, const QString& text,
                                 const QRect& twips)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

QFrame* FormBuilder::separator(QWidget* parent, const QString& name, int top, int width)
{
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(0, px(top) - 1, px(width), 2);
    return line;
}

void FormBuilder::fitLabel(QLabel* label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    QRect g = label->geometry();
    if (needed > g.width())
        g.setLeft(std::max(0, g.right() + 1 - needed));
    label->setGeometry(g);
}

QIcon FormBuilder::glyphIcon(const QString& glyph)
{
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QGuiApplication::palette().color(QPalette::Shadow));
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        QFont font(QStringLiteral("Tahoma"));
        font.setBold(true);
        font.setPixelSize(size * 3 / 4);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
