#pragma once

#include "DisplayInput.h"

#include <QDialog>

#include <memory>
#include <optional>

class DisplayKindLayout;
class ObjectSink;
class PhysicsSection;
class PropertiesSection;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMimeData;
class QPushButton;
class ModelObject;
class clsDisplay;

// The display object editor: adapts its fields to the picked kind, fills a new display
// object and hands it to the sink on OK.
class frmDisplay : public QDialog
{
    Q_OBJECT
public:
    frmDisplay(QWidget* owner, ObjectSink* sink);
    ~frmDisplay() override;

    // The object being built, until OK hands it over (nullptr afterwards).
    const clsDisplay* display() const { return m_display.get(); }
    // Edits a copy of the object instead of a new one: every control shows its values and
    // the caption names it. Without a sink, OK keeps the result for takeObject().
    void loadObject(const clsDisplay& object);
    // The confirmed object of a dialog without a sink; nullptr before OK.
    std::unique_ptr<ModelObject> takeObject();
    // The colour the swatch shows, as a Windows colour value.
    qint32 swatchColour() const { return m_colour; }

    // The game's folder: pictures picked or dropped from inside it are named relative to it.
    void setProjectFolder(const QString& folder) { m_projectFolder = folder; }

    // The full local path of the first file among dropped data, if it holds any.
    static std::optional<QString> droppedFile(const QMimeData* data);
    // Where the file dialog starts: the pictures folder, or home when there is none.
    static QString startFolder();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cboObject_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void cmdOK_Click();
    void applyLayout(const DisplayKindLayout& layout);
    void setSwatch(qint32 colour);
    DisplayInput readInput() const;
    void showInput(const DisplayInput& input);

    // The text the filename field gets for a picture chosen at path.
    QString pictureName(const QString& path, bool dropped) const;
    // Copies a picture from outside the game into folder; the copy's path, "" when none was made.
    QString copyIntoGame(const QString& path, const QString& folder, const QString& filter);

    ObjectSink* m_sink;
    QString m_projectFolder;
    std::unique_ptr<clsDisplay> m_display;
    qint32 m_colour = DisplayInput::whiteColour;

    QLineEdit* m_txtVarName = nullptr;
    QComboBox* m_cboObject = nullptr;
    QCheckBox* m_chkBegan = nullptr;
    QCheckBox* m_chkMoved = nullptr;
    QCheckBox* m_chkEnded = nullptr;
    QCheckBox* m_chkCancelled = nullptr;
    QLineEdit* m_txtParentGroup = nullptr;
    QLineEdit* m_txtX = nullptr;
    QLineEdit* m_txtY = nullptr;
    QLabel* m_lblWidth = nullptr;
    QLineEdit* m_txtWidth = nullptr;
    QLabel* m_lblHeight = nullptr;
    QLineEdit* m_txtHeight = nullptr;
    QLabel* m_lblRounding = nullptr;
    QLineEdit* m_txtRounding = nullptr;
    QLabel* m_lblReference = nullptr;
    QComboBox* m_cboReference = nullptr;
    QLabel* m_lblFilename = nullptr;
    QLineEdit* m_txtFilename = nullptr;
    QPushButton* m_command1 = nullptr;
    QLabel* m_picColor = nullptr;
    QPushButton* m_command2 = nullptr;
    PhysicsSection* m_physics = nullptr;
    PropertiesSection* m_properties = nullptr;
};
