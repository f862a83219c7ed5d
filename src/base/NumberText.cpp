#include "base/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace norva {

namespace {

constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

// |x| as decimal digits: value = 0.<digits> x 10^point. Trailing zeros are dropped; zero is
// the empty digit string.
struct Decimal {
    std::string digits;
    int point = 0;
};

Decimal ToDecimal(double x, int significant) {
    Decimal d;
    x = std::fabs(x);
    if (x == 0) return d;
    // "d.ddddde+XX": fixed layout, independent of the C library's locale.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, significant - 1);
    const std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.') d.digits += text[i];
    int exponent = 0;
    std::string_view exp = text.substr(e + 1);
    if (!exp.empty() && exp.front() == '+') exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), exponent);
    d.point = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

// Splits a decimal into its integer digits (no leading zeros) and all its fraction digits.
void Split(const Decimal& d, std::string& whole, std::string& fraction) {
    const int n = static_cast<int>(d.digits.size());
    if (d.point <= 0) {
        whole.clear();
        fraction = std::string(static_cast<std::size_t>(-d.point), '0') + d.digits;
    } else if (d.point >= n) {
        whole = d.digits + std::string(static_cast<std::size_t>(d.point - n), '0');
        fraction.clear();
    } else {
        whole = d.digits.substr(0, static_cast<std::size_t>(d.point));
        fraction = d.digits.substr(static_cast<std::size_t>(d.point));
    }
}

std::string NotFinite(double x) {
    if (std::isnan(x)) return "NaN";
    return x < 0 ? "-Inf" : "Inf";
}

std::string PaddedText(double x, int significant) {
    if (!std::isfinite(x)) return (x > 0 ? " " : "") + NotFinite(x);
    const Decimal d = ToDecimal(x, significant);
    if (d.digits.empty()) return " 0";
    std::string whole, fraction;
    Split(d, whole, fraction);
    std::string text(1, x < 0 ? '-' : ' ');
    text += whole;
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

// Adds one to a string of decimal digits; returns false when it overflowed to a new digit.
bool Increment(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return true;
        }
        digits[i] = '0';
    }
    return false;
}

struct Picture {
    int minWhole = 0;  // '0's in the integer part
    int minFraction = 0;
    int maxFraction = 0;
    bool grouped = false;
};

Picture ParsePicture(std::string_view picture) {
    Picture p;
    bool inFraction = false;
    for (char c : picture) {
        if (c == '.') {
            inFraction = true;
        } else if (inFraction) {
            if (c == '0') ++p.minFraction;
            if (c == '0' || c == '#') ++p.maxFraction;
        } else if (c == '0') {
            ++p.minWhole;
        } else if (c == ',') {
            p.grouped = true;
        }
    }
    return p;
}

std::string Grouped(const std::string& whole) {
    std::string out;
    const std::size_t n = whole.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    return out;
}

std::string Formatted(double value, std::string_view pictureText, int significant) {
    if (!std::isfinite(value)) return NotFinite(value);
    const Picture p = ParsePicture(pictureText);
    std::string whole, fraction;
    Split(ToDecimal(value, significant), whole, fraction);

    const std::size_t keep = static_cast<std::size_t>(p.maxFraction);
    const bool roundUp = fraction.size() > keep && fraction[keep] >= '5';
    fraction.resize(keep, '0');
    if (roundUp) {
        std::string all = whole + fraction;
        if (!Increment(all)) all.insert(all.begin(), '1');
        whole = all.substr(0, all.size() - keep);
        fraction = all.substr(all.size() - keep);
    }

    const bool isZero = whole.find_first_not_of('0') == std::string::npos &&
                        fraction.find_first_not_of('0') == std::string::npos;
    whole.erase(0, whole.find_first_not_of('0'));
    if (whole.size() < static_cast<std::size_t>(p.minWhole))
        whole.insert(0, static_cast<std::size_t>(p.minWhole) - whole.size(), '0');
    while (fraction.size() > static_cast<std::size_t>(p.minFraction) && fraction.back() == '0')
        fraction.pop_back();

    std::string text = (value < 0 && !isZero) ? "-" : "";
    text += p.grouped ? Grouped(whole) : whole;
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

// Scans a number at the start of text: [+-] digits [. digits] [e [+-] digits], at least one
// mantissa digit. Returns the length taken, 0 when there is no number.
std::size_t ScanNumber(std::string_view text) {
    std::size_t i = 0;
    const auto digitsFrom = [&](std::size_t at) {
        std::size_t n = 0;
        while (at + n < text.size() && text[at + n] >= '0' && text[at + n] <= '9') ++n;
        return n;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t mantissa = digitsFrom(i);
    i += mantissa;
    if (i < text.size() && text[i] == '.') {
        const std::size_t after = digitsFrom(i + 1);
        if (mantissa + after > 0) i += 1 + after;
        mantissa += after;
    }
    if (mantissa == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exp = digitsFrom(j);
        if (exp > 0) i = j + exp;
    }
    return i;
}

std::optional<double> Convert(std::string_view number) {
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec != std::errc() || res.ptr != number.data() + number.size()) return std::nullopt;
    return value;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string NumberText(double x) {
    return PaddedText(x, kDoubleDigits);
}

std::string NumberText(float x) {
    return PaddedText(x, kSingleDigits);
}

std::string PlainNumberText(float x) {
    std::string text = NumberText(x);
    if (text.front() == ' ') text.erase(0, 1);
    const std::size_t digits = text.front() == '-' ? 1 : 0;
    if (text.size() > digits && text[digits] == '.') text.insert(digits, "0");
    return text;
}

std::string FormatNumber(double value, std::string_view picture) {
    return Formatted(value, picture, kDoubleDigits);
}

std::string FormatNumber(float value, std::string_view picture) {
    return Formatted(value, picture, kSingleDigits);
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<double> ParseNumber(std::string_view text) {
    text = Trimmed(text);
    if (ScanNumber(text) != text.size() || text.empty()) return std::nullopt;
    return Convert(text);
}

std::optional<double> LeadingNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    const std::size_t n = ScanNumber(text);
    if (n == 0) return std::nullopt;
    return Convert(text.substr(0, n));
}

}  // namespace norva
