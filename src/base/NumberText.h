#pragma once
// Number texts the way the windows and files show them: the padded value text of the summary
// lines and the run log, the picture formats of the dials and charts, and the two ways the
// configuration file reads numbers back.
//
// All of it is locale-independent on purpose: the C locale's period is the decimal mark and
// the comma the thousands separator, whatever LC_NUMERIC the desktop sets.

#include <concepts>
#include <optional>
#include <string>
#include <string_view>

namespace norva {

// Decimal text with one leading blank for zero or positive values and "-" for negative ones;
// no decimal point for whole numbers, no trailing zeros, no zero before the point below 1
// (0.5 gives " .5"). Doubles keep 15 significant digits, singles 7. Always plain decimal,
// never an exponent, however large or small the value.
std::string NumberText(double x);
std::string NumberText(float x);
template <std::integral T>
std::string NumberText(T x) {
    return NumberText(static_cast<double>(x));
}

// The run log's name for the same rule.
template <typename T>
std::string Str(T x) {
    return NumberText(x);
}

// A single as the configuration file stores it: 7 significant digits, no leading blank, a
// zero before the point below 1 ("0.009", "-0.5", "250").
std::string PlainNumberText(float x);

// Picture formats: '#' an optional digit, '0' a required one, ',' in the integer part groups
// thousands with commas, '.' the decimal point. Rounds half away from zero on the value's
// decimal digits (15 significant for doubles, 7 for singles), so 2.675 gives 2.68 at two
// places. A picture without required integer digits prints nothing before the point ("###"
// of 0 is empty, "##.0" of 0.5 is ".5"); a point with no digits after it is left out
// ("0.##" of 2 is "2"). A value that rounds to zero loses its minus sign. Other picture
// characters are not needed by any window and are ignored.
std::string FormatNumber(double value, std::string_view picture);
std::string FormatNumber(float value, std::string_view picture);
template <std::integral T>
std::string FormatNumber(T value, std::string_view picture) {
    return FormatNumber(static_cast<double>(value), picture);
}

// The text without the blanks and tabs around it.
std::string_view Trimmed(std::string_view text);

// The whole text (blanks around it allowed) as a decimal number: optional sign, digits with an
// optional period, optional exponent. Anything else, including an empty text, is no number.
std::optional<double> ParseNumber(std::string_view text);

// The longest leading part of the text (after leading blanks) that reads as a number with the
// period as decimal mark: "1,4" gives 1, "1.4" gives 1.4, "12abc" gives 12. Nothing when the
// text does not start with a number.
std::optional<double> LeadingNumber(std::string_view text);

}  // namespace norva
