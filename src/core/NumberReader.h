#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Reading numbers from the editors' text fields.
namespace NumberReader {

// The number at the start of the text. Blanks, tabs and line feeds are skipped wherever
// they stand; then an optional sign, digits with at most one decimal point and an
// exponent (E or D), or &H / &O followed by hexadecimal or octal digits. Reading stops at
// the first character that cannot continue the number; no number at all reads as 0.
double leading(QStringView text);

// As leading(), but only a decimal number with an E exponent: "&H10" reads 0 and "1D2" 1.
double leadingDecimal(QStringView text);

// The whole text, apart from blanks around it, as one number (sign, digits, decimal
// point, exponent), or nothing when it is not exactly one number.
std::optional<double> strict(QStringView text);

// Rounds halves to the even neighbour. Nothing when the rounded value lies outside the
// 32-bit signed range (or the value is not finite).
std::optional<qint32> toInt32(double value);

} // namespace NumberReader
