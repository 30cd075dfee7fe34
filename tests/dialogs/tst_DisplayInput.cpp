#include "clsDisplay.h"
#include "DisplayInput.h"

#include <QtTest>

namespace {
// Input that passes every check, for a Rect.
DisplayInput valid()
{
    DisplayInput in;
    in.varName = "box";
    in.kind = clsDisplay::Rect;
    in.x = "10";
    in.y = "20";
    return in;
}
} // namespace

class tst_DisplayInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void validate_data();
    void validate();
    void numbers_data();
    void numbers();
    void eventHandling_data();
    void eventHandling();
    void textKeepsFontNameAsTyped();
    void everyFieldStored();
    void windowsColour_data();
    void windowsColour();
};

void tst_DisplayInput::validate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("size"); // width, height and rounding alike
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    const QString noName = "The variable name cannot be left blank";
    const QString noKind = "Please select a valid display object";
    QTest::newRow("nothing") << "" << -1 << ""
                             << ""
                             << "" << noName << "txtVarName";
    QTest::newRow("no kind") << "a" << -1 << ""
                             << ""
                             << "" << noKind << "cboObject";
    QTest::newRow("three blanks") << "   " << 2 << "1"
                                  << "2"
                                  << ""
                                  << ""
                                  << "";
    QTest::newRow("x empty") << "a" << 2 << ""
                             << ""
                             << ""
                             << "The x position has to be a number"
                             << "txtX";
    QTest::newRow("x trailing text") << "a" << 2 << "12px"
                                     << "1"
                                     << ""
                                     << "The x position has to be a number"
                                     << "txtX";
    QTest::newRow("y letters") << "a" << 2 << " 3 "
                               << "abc"
                               << ""
                               << "The y position has to be a number"
                               << "txtY";
    QTest::newRow("y out of range after x number") << "a" << 2 << "1"
                                                   << "-3e9"
                                                   << ""
                                                   << "The y position is out of range"
                                                   << "txtY";
    QTest::newRow("not a number before out of range") << "a" << 2 << "3e9"
                                                      << "z"
                                                      << ""
                                                      << "The y position has to be a number"
                                                      << "txtY";
    QTest::newRow("x out of range first") << "a" << 2 << "3e9"
                                          << "1"
                                          << "9e9"
                                          << "The x position is out of range"
                                          << "txtX";
    QTest::newRow("Rect width") << "a" << 2 << "1"
                                << "1"
                                << "3e9"
                                << "The width is out of range"
                                << "txtWidth";
    QTest::newRow("Image size hidden") << "a" << 0 << "1"
                                       << "1"
                                       << "3e9"
                                       << ""
                                       << "";
    QTest::newRow("Text font name") << "a" << 6 << "1"
                                    << "1"
                                    << "3e9"
                                    << "The height is out of range"
                                    << "txtHeight";
    QTest::newRow("Circle radius") << "a" << 4 << "1"
                                   << "1"
                                   << "3e9"
                                   << "The width is out of range"
                                   << "txtWidth";
}

void tst_DisplayInput::validate()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, size);
    QFETCH(QString, message);
    QFETCH(QString, field);
    DisplayInput in;
    in.varName = name;
    in.kind = kind;
    in.x = x;
    in.y = y;
    in.width = in.height = in.rounding = size;
    const std::optional<InputProblem> problem = in.validate();
    QCOMPARE(problem.has_value(), !message.isEmpty());
    if (problem)
        QCOMPARE(*problem, (InputProblem{message, field}));
}

void tst_DisplayInput::numbers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stored");
    QTest::newRow("width 12.5") << 2 << "width"
                                << "12.5" << 12;
    QTest::newRow("width 13.5") << 2 << "width"
                                << "13.5" << 14;
    QTest::newRow("width 40px") << 2 << "width"
                                << "40px" << 40;
    QTest::newRow("width 1 5") << 2 << "width"
                               << "1 5" << 15;
    QTest::newRow("width empty") << 2 << "width"
                                 << "" << 0;
    QTest::newRow("width hex") << 2 << "width"
                               << "&H10" << 16;
    QTest::newRow("x 7.5") << 2 << "x"
                           << "7.5" << 8;
    QTest::newRow("x 6.5") << 2 << "x"
                           << "6.5" << 6;
    QTest::newRow("y -2.5e1") << 2 << "y"
                              << " -2.5e1 " << -25;
    QTest::newRow("rounding hidden under Rect") << 2 << "rounding"
                                                << "12" << 12;
    QTest::newRow("hidden width out of range") << 0 << "width"
                                               << "3e9" << 0;
    QTest::newRow("hidden rounding out of range") << 2 << "rounding"
                                                  << "-3e9" << 0;
}

void tst_DisplayInput::numbers()
{
    QFETCH(int, kind);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, stored);
    DisplayInput in = valid();
    in.kind = kind;
    QString* target = field == "width" ? &in.width
                      : field == "x"   ? &in.x
                      : field == "y"   ? &in.y
                                       : &in.rounding;
    *target = text;
    QVERIFY(!in.validate());
    clsDisplay d;
    in.fillInto(d);
    const int value = field == "width" ? d.sWidth()
                      : field == "x"   ? d.x()
                      : field == "y"   ? d.y()
                                       : d.sRounding();
    QCOMPARE(value, stored);
}

void tst_DisplayInput::eventHandling_data()
{
    QTest::addColumn<bool>("began");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<bool>("ended");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("flags");
    QTest::newRow("none") << false << false << false << false << 0;
    QTest::newRow("only OnEnded") << false << false << true << false << 4;
    QTest::newRow("began and cancelled") << true << false << false << true << 9;
    QTest::newRow("all four") << true << true << true << true << 15;
}

void tst_DisplayInput::eventHandling()
{
    DisplayInput in = valid();
    QFETCH(bool, began);
    QFETCH(bool, moved);
    QFETCH(bool, ended);
    QFETCH(bool, cancelled);
    in.began = began;
    in.moved = moved;
    in.ended = ended;
    in.cancelled = cancelled;
    clsDisplay d;
    d.setEventHandling(2); // a stale value is not kept
    in.fillInto(d);
    QTEST(d.eventHandling(), "flags");
}

void tst_DisplayInput::textKeepsFontNameAsTyped()
{
    DisplayInput in = valid();
    in.kind = clsDisplay::Text;
    in.width = " 12 Arial ";
    in.height = "24pt";
    in.filename = "Hello";
    clsDisplay d;
    in.fillInto(d);
    QCOMPARE(d.sFontName(), QStringLiteral(" 12 Arial "));
    QCOMPARE(d.sWidth(), 0);
    QCOMPARE(d.sHeight(), 24);
    QCOMPARE(d.filename(), QStringLiteral("Hello"));
}

void tst_DisplayInput::everyFieldStored()
{
    DisplayInput in = valid();
    in.varName = "   ";
    in.kind = clsDisplay::ImageRect;
    in.parentGroup = " grp";
    in.width = "30";
    in.height = "40";
    in.reference = -1;
    in.filename = "C:\\art\\ball.png";
    in.colour = 0x123456;
    clsDisplay d;
    in.fillInto(d);
    QCOMPARE(d.varName(), QStringLiteral("   "));
    QCOMPARE(d.dObjType(), qint16(clsDisplay::ImageRect));
    QCOMPARE(d.parGroup(), QStringLiteral(" grp"));
    QCOMPARE(d.x(), 10);
    QCOMPARE(d.y(), 20);
    QCOMPARE(d.sWidth(), 30);
    QCOMPARE(d.sHeight(), 40);
    QCOMPARE(d.reference(), -1);
    QCOMPARE(d.filename(), in.filename);
    QCOMPARE(d.Colour(), 0x123456);
    QCOMPARE(d.sFontName(), QString());
}

void tst_DisplayInput::windowsColour_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<int>("value");
    QTest::newRow("red") << QColor(255, 0, 0) << 255;
    QTest::newRow("green") << QColor(0, 255, 0) << 65280;
    QTest::newRow("blue") << QColor(0, 0, 255) << 16711680;
    QTest::newRow("white") << QColor(Qt::white) << 16777215;
    QTest::newRow("mixed") << QColor(0x12, 0x34, 0x56) << 0x563412;
}

void tst_DisplayInput::windowsColour()
{
    QFETCH(QColor, color);
    QFETCH(int, value);
    QCOMPARE(DisplayInput::windowsColour(color), value);
    QCOMPARE(DisplayInput::fromWindowsColour(value), color);
}

QTEST_APPLESS_MAIN(tst_DisplayInput)
#include "tst_DisplayInput.moc"
