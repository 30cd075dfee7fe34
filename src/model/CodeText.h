#pragma once

#include <QString>

#include <optional>

class ModelObject;

// The texts that the snippets write unquoted, as Lua code: each must be the kind of text it
// claims to be, so that no field can slip other code into a snippet. Blanks around a text do
// no harm to Lua and are allowed.
class CodeText
{
public:
    // A field whose text is not what it claims to be.
    struct Fault
    {
        QString field; // "font", "parent group", "onStart listener", "property name", "value of x"
        QString kind;  // "a font name", "a Lua name", ...
        QString text;

        // "The font is not a font name: native.systemFont ) os.exit() --"
        QString message() const;
        // "its font is code, not a font name"
        QString leftOutReason() const;
        bool operator==(const Fault&) const = default;
    };

    static bool isLuaKeyword(const QString& text);
    // Letters, digits and "_", not starting with a digit, no keyword.
    static bool isLuaName(const QString& text);
    // Lua names joined by dots: self.view.
    static bool isDottedName(const QString& text);
    // A text between double or single quotes that ends where its last quote is.
    static bool isQuotedText(const QString& text);
    // A Lua number: 12, -0.5, 1e3, 0x1F.
    static bool isNumber(const QString& text);
    // Numbers and the screen's display.* sizes joined by + - * / and parentheses:
    // display.contentWidth - 40, (display.contentCenterX + 10) / 2.
    static bool isScreenExpression(const QString& text);
    // A quoted name, native.systemFont, native.systemFontBold or a Lua name.
    static bool isFontName(const QString& text);
    // A number, quoted text, true, false, a Lua or dotted name, or a screen expression.
    static bool isPropertyValue(const QString& text);

    // Checks of one field each; nothing when the text may be written.
    static std::optional<Fault> checkFont(const QString& text);
    static std::optional<Fault> checkParentGroup(const QString& text);
    static std::optional<Fault> checkListener(const QString& which, const QString& text);
    static std::optional<Fault> checkPropertyName(const QString& text);
    static std::optional<Fault> checkPropertyValue(const QString& name, const QString& text);

    // The object's first field that breaks its rule, in the order the editor shows them.
    static std::optional<Fault> faultOf(const ModelObject& object);
};
