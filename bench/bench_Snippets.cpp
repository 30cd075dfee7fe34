// Time per codeSnippet call of the largest objects the editors can make.
#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ErrorHook.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>
#include <functional>

namespace {

// A line edit holds at most 32,767 characters, so no typed text is longer.
constexpr qsizetype longest = 32767;

QString longText(QChar c)
{
    return QString(longest, c);
}

// Repeats the call for at least a second and prints the mean time per call.
void measure(const char* what, const std::function<qsizetype()>& call)
{
    qsizetype size = call(); // warm-up, and the text's size
    QElapsedTimer timer;
    timer.start();
    qint64 calls = 0;
    do {
        size = call();
        ++calls;
    } while (calls < 5 || timer.nsecsElapsed() < 1'000'000'000);
    const double perCall = double(timer.nsecsElapsed()) / double(calls) / 1e3;
    std::printf("%-52s %12.1f us/call  %9lld chars  (%lld calls)\n", what, perCall, (long long)size,
                (long long)calls);
}

qsizetype snippetSize(const ModelObject& object)
{
    return object.codeSnippet().value_or(QString()).size();
}

} // namespace

int main()
{
    ErrorHook::set([](const QString& description) {
        std::fprintf(stderr, "unexpected error: %s\n", qUtf8Printable(description));
    });

    // The largest display object: every text at its longest, all phases, a parent group,
    // and of the seven kinds the one whose snippet is longest.
    clsDisplay display;
    display.init();
    display.setVarName(longText(QLatin1Char('v')));
    display.setParGroup(longText(QLatin1Char('g')));
    display.setFilename(longText(QLatin1Char('f')));
    display.setSFontName(longText(QLatin1Char('n')));
    display.setEventHandling(clsDisplay::Began | clsDisplay::Moved | clsDisplay::Ended |
                             clsDisplay::Cancelled);
    display.setX(-2147483647 - 1);
    display.setY(-2147483647 - 1);
    display.setSWidth(-2147483647 - 1);
    display.setSHeight(-2147483647 - 1);
    display.setSRounding(-2147483647 - 1);
    display.setColour(0xFFFFFF);
    qint16 largestKind = 0;
    qsizetype largestSize = -1;
    for (qint16 kind = 0; kind < clsDisplay::kindCount; ++kind) {
        display.setDObjType(kind);
        if (snippetSize(display) > largestSize) {
            largestSize = snippetSize(display);
            largestKind = kind;
        }
    }
    display.setDObjType(largestKind);
    const QByteArray displayLabel = "display (" + clsDisplay::displayTypeName(largestKind).toLatin1() +
                                    ", 32,767-char texts, all phases)";
    measure(displayLabel.constData(), [&] { return snippetSize(display); });

    clsTransition transition;
    transition.setVarName(QStringLiteral("hero"));
    transition.setDelay(250);
    transition.setOnStart(QStringLiteral("heroStarted"));
    transition.setOnComplete(QStringLiteral("heroDone"));
    QElapsedTimer filling;
    filling.start();
    for (int i = 1; i <= 1000; ++i)
        transition.addProperty(QString::number(i * 10), QStringLiteral("prop%1").arg(i));
    const double addMs = double(filling.nsecsElapsed()) / 1e6;
    measure("transition with 1,000 properties", [&] { return snippetSize(transition); });

    clsAlert alert;
    alert.setVarName(QStringLiteral("question"));
    filling.restart();
    for (int i = 1; i <= 1000; ++i)
        alert.addButton(QStringLiteral("id%1").arg(i), QStringLiteral("Button %1").arg(i));
    const double addButtonsMs = double(filling.nsecsElapsed()) / 1e6;
    measure("alert with 1,000 buttons", [&] { return snippetSize(alert); });

    // Filing checks every earlier key, so filling a list grows with the square of its size.
    std::printf("%-52s %12.1f ms\n", "filling 1,000 transition properties", addMs);
    std::printf("%-52s %12.1f ms\n", "filling 1,000 alert buttons", addButtonsMs);

    if (transition.propertiesCount() != 1000 || alert.buttonsCount() != 1000 || largestSize <= 0) {
        std::fprintf(stderr, "benchmark objects were not built as intended\n");
        return 1;
    }
    return 0;
}
