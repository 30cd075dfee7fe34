// The three generators over random objects: no object crashes them, their text keeps
// the CR LF line structure, it compiles under Lua 5.1 whenever every name and value is a
// plain Lua name or plain digits (quoted texts may hold quotes and backslashes), Graphics
// 2.0 ends no line in a blank, and a second call returns the same text.
#include "FuzzCheck.h"

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"
#include "ErrorHook.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <lua.hpp>

#include <QByteArray>
#include <QString>

#include <memory>

namespace {

enum class Texts
{
    LuaWords,     // plain Lua names or digits, as a valid object would hold
    NoLineBreaks, // any UTF-16 but CR and LF
    Anything,     // any UTF-16 at all
};

class TextSource
{
public:
    TextSource(FuzzedDataProvider& in, Texts kind) : m_in(in), m_kind(kind) {}

    Texts kind() const { return m_kind; }

    // A text where Lua needs a name (a variable, a table key).
    QString name() { return m_kind == Texts::LuaWords ? luaName() : any(); }
    // A text where Lua takes a name or a number (an argument, a value).
    QString word() { return m_kind == Texts::LuaWords && m_in.ConsumeBool() ? digits() : name(); }
    // A text that may be left empty to leave its part out (no parent, no listener).
    QString optionalName() { return m_in.ConsumeBool() ? QString() : name(); }
    QString optionalWord() { return m_in.ConsumeBool() ? QString() : word(); }
    // A text written between double quotes: a label, a file name, a title, a caption.
    QString quoted() { return m_kind == Texts::LuaWords ? quotable() : any(); }

private:
    QString luaName()
    {
        static const char first[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
        static const char rest[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";
        QString s(QChar::fromLatin1(first[m_in.ConsumeIntegralInRange<size_t>(0, sizeof first - 2)]));
        const int n = m_in.ConsumeIntegralInRange(0, 8);
        for (int i = 0; i < n; ++i)
            s += QChar::fromLatin1(rest[m_in.ConsumeIntegralInRange<size_t>(0, sizeof rest - 2)]);
        static const char* const keywords[] = {
            "and",   "break", "do",  "else", "elseif", "end",    "false", "for",  "function", "if",   "in",
            "local", "nil",   "not", "or",   "repeat", "return", "then",  "true", "until",    "while"};
        for (const char* k : keywords) {
            if (s == QLatin1String(k))
                s += QLatin1Char('_');
        }
        return s;
    }

    // Quotes and backslashes anywhere, but no digit after a backslash: the user's own Lua
    // escapes stay as typed, and a decimal escape may be out of range.
    QString quotable()
    {
        static const char chars[] = "ab Z_\"\\.!";
        QString s;
        const int n = m_in.ConsumeIntegralInRange(1, 12);
        for (int i = 0; i < n; ++i)
            s += QChar::fromLatin1(chars[m_in.ConsumeIntegralInRange<size_t>(0, sizeof chars - 2)]);
        return s;
    }

    QString digits()
    {
        QString s;
        const int n = m_in.ConsumeIntegralInRange(1, 12);
        for (int i = 0; i < n; ++i)
            s += QChar(u'0' + m_in.ConsumeIntegralInRange(0, 9));
        return s;
    }

    QString any()
    {
        QString s;
        const int n = m_in.ConsumeIntegralInRange(0, 12);
        for (int i = 0; i < n; ++i) {
            char16_t c = m_in.ConsumeIntegral<char16_t>();
            if (m_kind == Texts::NoLineBreaks && (c == u'\r' || c == u'\n'))
                c = u' ';
            s += QChar(c);
        }
        return s;
    }

    FuzzedDataProvider& m_in;
    Texts m_kind;
};

std::unique_ptr<ModelObject> makeDisplay(FuzzedDataProvider& in, TextSource& text)
{
    auto d = std::make_unique<clsDisplay>();
    if (in.ConsumeBool())
        d->init();
    d->setVarName(text.name());
    d->setDObjType(in.ConsumeBool() ? in.ConsumeIntegralInRange<qint16>(0, clsDisplay::kindCount - 1)
                                    : in.ConsumeIntegral<qint16>());
    d->setReference(in.ConsumeBool() ? in.ConsumeIntegralInRange<qint32>(-1, clsDisplay::referencePointCount)
                                     : in.ConsumeIntegral<qint32>());
    d->setParGroup(text.optionalName());
    // An empty file name or font is no Lua word: an Image in a group without a file is
    // written as "( group, ) ", which Lua refuses, and so is an empty font argument.
    d->setFilename(text.quoted());
    d->setSFontName(text.word());
    d->setEventHandling(in.ConsumeIntegral<qint32>());
    d->setX(in.ConsumeIntegral<qint32>());
    d->setY(in.ConsumeIntegral<qint32>());
    d->setSWidth(in.ConsumeIntegral<qint32>());
    d->setSHeight(in.ConsumeIntegral<qint32>());
    d->setSRounding(in.ConsumeIntegral<qint32>());
    d->setColour(in.ConsumeIntegral<qint32>());
    return d;
}

std::unique_ptr<ModelObject> makeTransition(FuzzedDataProvider& in, TextSource& text)
{
    auto t = std::make_unique<clsTransition>();
    t->setVarName(text.word());
    t->setDuration(in.ConsumeIntegral<qint32>());
    t->setDelay(in.ConsumeBool() ? 0 : in.ConsumeIntegral<qint32>());
    t->setOnStart(text.optionalName());
    t->setOnComplete(text.optionalName());
    t->setTransitionDirection(in.ConsumeIntegral<qint16>());
    const int n = in.ConsumeIntegralInRange(0, 20);
    for (int i = 0; i < n; ++i) {
        const QString value = text.word();
        t->addProperty(value, text.name());
        if (in.ConsumeIntegralInRange(0, 9) == 0)
            t->removeProperty(in.ConsumeIntegralInRange<qsizetype>(0, t->propertiesCount() + 1));
    }
    return t;
}

std::unique_ptr<ModelObject> makeAlert(FuzzedDataProvider& in, TextSource& text)
{
    auto a = std::make_unique<clsAlert>();
    a->setVarName(text.name());
    a->setTitle(text.quoted());
    a->setMessage(in.ConsumeBool() ? QString() : text.quoted());
    const int n = in.ConsumeIntegralInRange(0, 20);
    for (int i = 0; i < n; ++i) {
        const QString id = text.optionalWord();
        a->addButton(id, text.quoted());
        if (in.ConsumeIntegralInRange(0, 9) == 0)
            a->removeButton(in.ConsumeIntegralInRange<qsizetype>(0, a->buttonsCount() + 1));
    }
    return a;
}

// The generators' one failure case: a display object with a kind outside 0-6 produces no text.
bool mayFail(const ModelObject& object)
{
    const auto* d = dynamic_cast<const clsDisplay*>(&object);
    return d && (d->dObjType() < 0 || d->dObjType() >= clsDisplay::kindCount);
}

void checkNoTrailingBlank(const QString& s)
{
    for (const QString& line : s.split(QStringLiteral("\r\n")))
        FUZZ_CHECK(!line.endsWith(QLatin1Char(' ')) && !line.endsWith(QLatin1Char('\t')),
                   QStringLiteral("line ends in a blank: ") + line);
}

void checkLineEnds(const QString& s)
{
    FUZZ_CHECK(s.endsWith(QLatin1String("\r\n")), QStringLiteral("last line without CR LF"));
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == QLatin1Char('\r'))
            FUZZ_CHECK(i + 1 < s.size() && s.at(i + 1) == QLatin1Char('\n'),
                       QStringLiteral("CR without LF at ") + QString::number(i));
        else if (s.at(i) == QLatin1Char('\n'))
            FUZZ_CHECK(i > 0 && s.at(i - 1) == QLatin1Char('\r'),
                       QStringLiteral("LF without CR at ") + QString::number(i));
    }
}

void checkCompiles(const QString& s)
{
    lua_State* L = luaL_newstate();
    FUZZ_CHECK(L, QStringLiteral("no Lua state"));
    const QByteArray code = s.toUtf8();
    const int status = luaL_loadbuffer(L, code.constData(), size_t(code.size()), "snippet");
    const QString message = status == 0 ? QString() : QString::fromUtf8(lua_tostring(L, -1));
    lua_close(L);
    FUZZ_CHECK(status == 0, message + QStringLiteral("\n") + s);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Duplicate keys are an expected outcome here, reported through the hook; keep quiet.
    ErrorHook::set([](const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const int kind = in.ConsumeIntegralInRange(0, 2);
    TextSource text(in, static_cast<Texts>(in.ConsumeIntegralInRange(0, 2)));
    const std::unique_ptr<ModelObject> object = kind == 0   ? makeDisplay(in, text)
                                                : kind == 1 ? makeTransition(in, text)
                                                            : makeAlert(in, text);

    for (const GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2}) {
        const std::optional<QString> first = object->codeSnippet(api);
        const std::optional<QString> second = object->codeSnippet(api);
        FUZZ_CHECK(first == second, QStringLiteral("second call differs"));
        FUZZ_CHECK(first.has_value() != mayFail(*object), QStringLiteral("failed or not as expected"));
        if (!first)
            continue;
        if (api == GraphicsApi::V2) {
            FUZZ_CHECK(!first->contains(QLatin1String(":setReferencePoint( display.")),
                       QStringLiteral("reference point under Graphics 2.0"));
            if (text.kind() == Texts::LuaWords)
                checkNoTrailingBlank(*first);
        }
        // A user text holding CR or LF is written as typed and breaks the line structure.
        if (text.kind() != Texts::Anything)
            checkLineEnds(*first);
        if (text.kind() == Texts::LuaWords)
            checkCompiles(*first);
    }
    return 0;
}
