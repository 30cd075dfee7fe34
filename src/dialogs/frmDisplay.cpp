#include "frmDisplay.h"

#include "ClearTextBoxes.h"
#include "clsDisplay.h"
#include "ColorDialog.h"
#include "DisplayKindLayout.h"
#include "FileDialog.h"
#include "FormBuilder.h"
#include "GroupNames.h"
#include "mdlBrowsePath.h"
#include "MessageBox.h"
#include "ObjectSink.h"
#include "PhysicsSection.h"
#include "PictureLocator.h"
#include "PropertiesSection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>

namespace {

QCheckBox* checkBox(QWidget* parent, const char* name, const char* text, int top)
{
    auto* box = new QCheckBox(QString::fromLatin1(text), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(FormBuilder::rect(360, top, 1215, 255));
    return box;
}

QGroupBox* frame(QWidget* parent, const char* name, const QRect& twips)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(FormBuilder::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return box;
}

QComboBox* dropDown(QWidget* parent, const char* name, const QRect& twips)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setEditable(false);
    combo->setGeometry(FormBuilder::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return combo;
}

} // namespace

frmDisplay::frmDisplay(QWidget* owner, ObjectSink* sink) : QDialog(owner), m_sink(sink)
{
    using F = FormBuilder;
    F::setupDialog(this, QStringLiteral("frmDisplay"), QStringLiteral("Display Object"), 8520, 7815);
    F::banner(this, QStringLiteral("Label15"), QStringLiteral("  Add new Display Object"))
        ->resize(width(), F::px(615));
    F::label(this, QStringLiteral("Label1"), QStringLiteral("Variable Name : "), QRect(240, 720, 1170, 195));
    m_txtVarName = F::textField(this, QStringLiteral("txtVarName"), QRect(1440, 720, 3735, 285));
    F::label(this, QStringLiteral("Label2"), QStringLiteral("Object Type :"), QRect(300, 1080, 990, 195));
    QLabel* label3 =
        F::label(this, QStringLiteral("Label3"), QStringLiteral("display.new"), QRect(1440, 1080, 1140, 240));
    QFont bold = label3->font();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    label3->setFont(bold);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label3->setGeometry(F::rect(1440, 1080, 1140, 240));
    m_cboObject = dropDown(this, "cboObject", QRect(2640, 1080, 1695, 315));

    F::label(this, QStringLiteral("Label4"), QStringLiteral("Event Handling :"), QRect(120, 1680, 1185, 195));
    QGroupBox* frame1 = frame(this, "Frame1", QRect(1440, 1560, 3735, 1335));
    m_chkBegan = checkBox(frame1, "chkBegan", "onBegan", 240);
    m_chkMoved = checkBox(frame1, "chkMoved", "onMoved", 480);
    m_chkEnded = checkBox(frame1, "chkEnded", "OnEnded", 720);
    m_chkCancelled = checkBox(frame1, "chkCancelled", "onCancelled", 960);

    F::label(this, QStringLiteral("Label5"), QStringLiteral("Parent Group :"), QRect(240, 3000, 1065, 195));
    m_txtParentGroup = F::textField(this, QStringLiteral("txtParentGroup"), QRect(1440, 3000, 3735, 285));
    m_txtParentGroup->setCompleter(new QCompleter(GroupNames::current(), m_txtParentGroup));

    QGroupBox* frame2 = frame(this, "Frame2", QRect(1440, 3360, 3735, 2415));
    F::label(frame2, QStringLiteral("lblX"), QStringLiteral("x :"), QRect(1110, 240, 195, 195));
    m_txtX = F::textField(frame2, QStringLiteral("txtX"), QRect(1320, 240, 2295, 285));
    F::label(frame2, QStringLiteral("lblY"), QStringLiteral("y :"), QRect(1110, 600, 195, 195));
    m_txtY = F::textField(frame2, QStringLiteral("txtY"), QRect(1320, 600, 2295, 285));
    m_lblWidth =
        F::label(frame2, QStringLiteral("lblWidth"), QStringLiteral("Width :"), QRect(780, 960, 525, 195));
    m_txtWidth = F::textField(frame2, QStringLiteral("txtWidth"), QRect(1320, 960, 2295, 285));
    m_lblHeight =
        F::label(frame2, QStringLiteral("lblHeight"), QStringLiteral("Height :"), QRect(735, 1320, 570, 195));
    m_txtHeight = F::textField(frame2, QStringLiteral("txtHeight"), QRect(1320, 1320, 2295, 285));
    m_lblRounding = F::label(frame2, QStringLiteral("lblRounding"), QStringLiteral("Rounding :"),
                             QRect(525, 1680, 780, 195));
    m_txtRounding = F::textField(frame2, QStringLiteral("txtRounding"), QRect(1320, 1680, 2295, 285));
    m_lblReference = F::label(frame2, QStringLiteral("lblReference"), QStringLiteral("Reference :"),
                              QRect(450, 2040, 855, 195));
    m_cboReference = dropDown(frame2, "cboReference", QRect(1320, 2040, 2295, 315));

    m_lblFilename = F::label(this, QStringLiteral("lblFilename"), QStringLiteral("Filename :"),
                             QRect(570, 5880, 735, 195));
    m_txtFilename = F::textField(this, QStringLiteral("txtFilename"), QRect(1440, 5880, 3375, 285));
    m_txtFilename->installEventFilter(this);
    m_command1 =
        F::button(this, QStringLiteral("Command1"), QStringLiteral(".."), QRect(4920, 5880, 285, 285));

    F::label(this, QStringLiteral("Label14"), QStringLiteral("Colour :"), QRect(720, 6480, 570, 195));
    m_picColor = new QLabel(this);
    m_picColor->setObjectName(QStringLiteral("picColor"));
    m_picColor->setGeometry(F::rect(1440, 6360, 2415, 495));
    m_picColor->setFrameShape(QFrame::Panel);
    m_picColor->setFrameShadow(QFrame::Sunken);
    m_picColor->setAutoFillBackground(true);
    m_picColor->setFocusPolicy(Qt::StrongFocus);
    m_command2 =
        F::button(this, QStringLiteral("Command2"), QStringLiteral("Select"), QRect(3960, 6360, 1215, 495));

    F::separator(this, QStringLiteral("Line1"), 6960, 8520);
    auto* ok = F::button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(960, 7200, 1215, 495));
    auto* cancel =
        F::button(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), QRect(3240, 7200, 1215, 495));
    ok->setDefault(true);

    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->setText(QStringLiteral("Text1"));

    const QList<QWidget*> order{m_txtVarName,
                                m_cboObject,
                                m_chkBegan,
                                m_chkMoved,
                                m_chkEnded,
                                m_chkCancelled,
                                m_txtParentGroup,
                                m_txtX,
                                m_txtY,
                                m_txtWidth,
                                m_txtHeight,
                                m_txtRounding,
                                m_cboReference,
                                m_txtFilename,
                                m_command1,
                                m_picColor,
                                m_command2,
                                cancel,
                                ok};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_physics = new PhysicsSection(this);
    m_physics->setGeometry(F::rect(5400, 1080, 2940, 3300));

    m_properties = PropertiesSection::insertInto(this, 6960, m_command2);
    QWidget* before = findChild<QWidget*>(QStringLiteral("cmdStrokeColor"));
    for (const char* name : {"cboBody", "txtDensity", "txtFriction", "txtBounce", "chkSensor", "cboShape"}) {
        QWidget* next = m_physics->findChild<QWidget*>(QLatin1String(name));
        setTabOrder(before, next);
        before = next;
    }
    connect(m_cboObject, &QComboBox::currentIndexChanged, this, &frmDisplay::cboObject_Click);
    connect(m_command1, &QPushButton::clicked, this, &frmDisplay::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &frmDisplay::Command2_Click);
    connect(ok, &QPushButton::clicked, this, &frmDisplay::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &frmDisplay::reject);
    Form_Load();
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::Form_Load()
{
    // A bare object: empty texts and zeros, not the defaults of init().
    m_display = std::make_unique<clsDisplay>();
    ClearTextBoxes(this);
    m_physics->showBody(PhysicsBody());
    {
        // Filling a list selects its first entry; nothing is picked until the user picks.
        const QSignalBlocker blockKinds(m_cboObject);
        m_cboObject->clear();
        for (int kind = 0; kind < clsDisplay::kindCount; ++kind)
            m_cboObject->addItem(clsDisplay::displayTypeName(kind));
        m_cboObject->setCurrentIndex(-1);
        m_cboReference->clear();
        for (int point = 0; point < clsDisplay::referencePointCount; ++point)
            m_cboReference->addItem(clsDisplay::referencePointName(point));
        m_cboReference->setCurrentIndex(-1);
    }
    applyLayout(DisplayKindLayout::initial());
    setSwatch(DisplayInput::whiteColour);
    m_properties->load(DisplayProperties());
    m_properties->setKind(-1);
    m_txtVarName->setFocus();
}

void frmDisplay::cboObject_Click(int index)
{
    m_properties->setKind(index);
    if (const std::optional<DisplayKindLayout> layout = DisplayKindLayout::forKind(index))
        applyLayout(*layout);
    m_physics->setKind(index);
}

void frmDisplay::applyLayout(const DisplayKindLayout& layout)
{
    const std::pair<QLabel*, QWidget*> fields[] = {{m_lblWidth, m_txtWidth},
                                                   {m_lblHeight, m_txtHeight},
                                                   {m_lblRounding, m_txtRounding},
                                                   {m_lblFilename, m_txtFilename},
                                                   {m_lblReference, m_cboReference}};
    const DisplayKindLayout::Field* states[] = {&layout.width, &layout.height, &layout.rounding,
                                                &layout.filename, &layout.reference};
    for (int i = 0; i < 5; ++i) {
        fields[i].second->setVisible(states[i]->shown);
        fields[i].first->setText(states[i]->caption);
        FormBuilder::fitLabel(fields[i].first);
    }
    m_command1->setVisible(layout.browseShown);
    m_command2->setEnabled(layout.selectEnabled);
    for (QWidget* colour : std::initializer_list<QWidget*>{findChild<QWidget*>(QStringLiteral("Label14")),
                                                           m_picColor, m_command2})
        colour->setVisible(layout.colourShown());
}

QString frmDisplay::startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QDir(pictures).exists())
        return pictures;
    return QDir::homePath();
}

QString frmDisplay::pictureName(const QString& path, bool dropped) const
{
    if (const std::optional<QString> inside = PictureLocator::relativeInside(m_projectFolder, path))
        return *inside;
    // From elsewhere: a drop keeps where it came from, a pick only the name.
    return dropped ? QDir::toNativeSeparators(path)
                   : mdlBrowsePath::FileNameFromPath(QDir::toNativeSeparators(path));
}

void frmDisplay::Command1_Click()
{
    try {
        QString folder = startFolder();
        QString filter = QStringLiteral("PNG Files (*.png)");
        if (!m_projectFolder.isEmpty()) {
            // Next to the current picture, else at the top of the game.
            const QString current = PictureLocator::normalized(m_txtFilename->text().trimmed());
            const QString currentFolder = QFileInfo(QDir(m_projectFolder).filePath(current)).absolutePath();
            const bool inside = !current.isEmpty() && QFileInfo(currentFolder).isDir() &&
                                (currentFolder == QDir(m_projectFolder).absolutePath() ||
                                 PictureLocator::relativeInside(m_projectFolder, currentFolder));
            folder = inside ? currentFolder : m_projectFolder;
            filter = QStringLiteral("Images (*.png *.jpg)");
        }
        const QString path =
            fileDialog()->getOpenFileName(this, QStringLiteral("Choose the filename"), folder, filter);
        if (path.isEmpty())
            return;
        if (m_projectFolder.isEmpty() || PictureLocator::relativeInside(m_projectFolder, path)) {
            m_txtFilename->setText(pictureName(path, false));
            return;
        }
        const QString name = QFileInfo(path).fileName();
        switch (MessageBox::askCopyUseAnywayCancel(
            this, windowTitle(),
            QStringLiteral("%1 is outside the game folder. Copy it into the game?").arg(name))) {
        case MessageBox::Answer::Copy:
            if (const QString copied = copyIntoGame(path, folder, filter); !copied.isEmpty())
                m_txtFilename->setText(pictureName(copied, false));
            break;
        case MessageBox::Answer::UseAnyway:
            m_txtFilename->setText(pictureName(path, false));
            break;
        default: // Cancel
            break;
        }
    } catch (...) {
        // A failing file dialog leaves the field as it was.
    }
}

QString frmDisplay::copyIntoGame(const QString& path, const QString& folder, const QString& filter)
{
    QString target = QDir(folder).filePath(QFileInfo(path).fileName());
    // A name already taken is never overwritten: the user names another, inside the game.
    while (QFileInfo::exists(target) || !PictureLocator::relativeInside(m_projectFolder, target)) {
        target = fileDialog()->getSaveFileName(this, QStringLiteral("The name is taken: copy the picture as"),
                                               target, filter, QStringLiteral("png"));
        if (target.isEmpty())
            return QString();
    }
    QFile source(path);
    if (!source.copy(target)) {
        MessageBox::critical(
            this, windowTitle(),
            QStringLiteral("Cannot copy %1: %2").arg(QFileInfo(path).fileName(), source.errorString()));
        return QString();
    }
    return target;
}

void frmDisplay::Command2_Click()
{
    try {
        const QColor chosen = colorDialog()->getColor(DisplayInput::fromWindowsColour(m_colour), this);
        if (chosen.isValid())
            setSwatch(DisplayInput::windowsColour(chosen));
    } catch (...) {
        // A failing colour dialog leaves the swatch as it was.
    }
}

void frmDisplay::setSwatch(qint32 colour)
{
    m_colour = colour;
    QPalette palette = m_picColor->palette();
    palette.setColor(QPalette::Window, DisplayInput::fromWindowsColour(colour));
    m_picColor->setPalette(palette);
}

std::optional<QString> frmDisplay::droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return std::nullopt;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            return QDir::toNativeSeparators(url.toLocalFile());
    }
    return std::nullopt;
}

bool frmDisplay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_txtFilename)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Only files are taken; dragged text does not land in the field.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedFile(drag->mimeData()))
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (const std::optional<QString> path = droppedFile(drop->mimeData())) {
            m_txtFilename->setText(pictureName(*path, true));
            drop->acceptProposedAction();
        } else {
            drop->ignore();
        }
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

DisplayInput frmDisplay::readInput() const
{
    DisplayInput input;
    input.varName = m_txtVarName->text();
    input.kind = m_cboObject->currentIndex();
    input.began = m_chkBegan->isChecked();
    input.moved = m_chkMoved->isChecked();
    input.ended = m_chkEnded->isChecked();
    input.cancelled = m_chkCancelled->isChecked();
    input.parentGroup = m_txtParentGroup->text();
    input.x = m_txtX->text();
    input.y = m_txtY->text();
    input.width = m_txtWidth->text();
    input.height = m_txtHeight->text();
    input.rounding = m_txtRounding->text();
    input.reference = m_cboReference->currentIndex();
    input.filename = m_txtFilename->text();
    input.colour = m_colour;
    return input;
}

void frmDisplay::loadObject(const clsDisplay& object)
{
    m_display = std::make_unique<clsDisplay>(object);
    setWindowTitle(FormBuilder::editCaption(windowTitle(), object.varName()));
    findChild<QLabel*>(QStringLiteral("Label15"))->setText(QStringLiteral("  Edit Display Object"));
    showInput(DisplayInput::fromObject(object));
    m_physics->showBody(object.body());
    m_properties->load(object.properties());
}

std::unique_ptr<ModelObject> frmDisplay::takeObject()
{
    if (result() != Accepted)
        return nullptr;
    return std::move(m_display);
}

void frmDisplay::showInput(const DisplayInput& input)
{
    m_txtVarName->setText(input.varName);
    // Picking the kind lays the fields out as a user's pick would.
    m_cboObject->setCurrentIndex(input.kind);
    m_chkBegan->setChecked(input.began);
    m_chkMoved->setChecked(input.moved);
    m_chkEnded->setChecked(input.ended);
    m_chkCancelled->setChecked(input.cancelled);
    m_txtParentGroup->setText(input.parentGroup);
    m_txtX->setText(input.x);
    m_txtY->setText(input.y);
    m_txtWidth->setText(input.width);
    m_txtHeight->setText(input.height);
    m_txtRounding->setText(input.rounding);
    m_cboReference->setCurrentIndex(input.reference);
    m_txtFilename->setText(input.filename);
    setSwatch(input.colour);
}

void frmDisplay::cmdOK_Click()
{
    if (!m_display)
        return;
    const DisplayInput input = readInput();
    std::optional<InputProblem> problem = input.validate();
    if (!problem)
        problem = m_properties->check();
    if (!problem)
        problem = m_physics->validate();
    if (problem) {
        problem->report(this);
        return;
    }
    input.fillInto(*m_display);
    m_display->setBody(m_physics->body());
    m_display->setProperties(m_properties->read());
    if (m_sink)
        m_sink->addObject(std::move(m_display));
    accept();
}
