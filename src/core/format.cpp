#include "core/format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

// Everything here is locale-free on purpose: the desktop shell switches the C locale to the
// user's (a French one reads and writes decimal commas), and the settings file must not follow.

namespace ondivel {

namespace {

// The decimal digits of |value| at 15 significant digits, the precision a double carries
// faithfully: |value| = 0.d1d2…d15 × 10^(point). Rounding the displayed digits from this text
// rather than from the binary value makes 2.675 round to 2.68, as a user expects.
struct DecimalDigits {
    std::string digits; // 15 digits, the first non-zero unless the value is 0
    int point = 0;
};

DecimalDigits decimalDigits(double magnitude) {
    DecimalDigits d;
    if (magnitude == 0 || !std::isfinite(magnitude)) {
        d.digits = std::string(15, '0');
        return d;
    }
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    const std::string text(buf, res.ptr); // "d.ddddddddddddddde±XX"
    const std::size_t e = text.find('e');
    d.digits = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    d.point = exponent + 1;
    return d;
}

// round(|value| × 10^decimals), half away from zero, as a digit string without leading zeros
// ("" for 0).
std::string scaledInteger(double magnitude, int decimals) {
    const DecimalDigits d = decimalDigits(magnitude);
    const int kept = d.point + decimals;
    if (kept < 0) return {};
    std::string n;
    bool roundUp = false;
    if (kept >= static_cast<int>(d.digits.size())) {
        n = d.digits + std::string(static_cast<std::size_t>(kept) - d.digits.size(), '0');
    } else {
        n = d.digits.substr(0, static_cast<std::size_t>(kept));
        roundUp = d.digits[static_cast<std::size_t>(kept)] >= '5';
    }
    if (roundUp) {
        int i = static_cast<int>(n.size()) - 1;
        for (; i >= 0 && n[static_cast<std::size_t>(i)] == '9'; --i)
            n[static_cast<std::size_t>(i)] = '0';
        if (i < 0)
            n.insert(n.begin(), '1');
        else
            ++n[static_cast<std::size_t>(i)];
    }
    const std::size_t first = n.find_first_not_of('0');
    return first == std::string::npos ? std::string() : n.substr(first);
}

bool isPlaceholder(char c) {
    return c == '0' || c == '#';
}

} // namespace

std::string FormatNumber(double value, std::string_view pattern) {
    if (pattern.empty()) return NumberText(value);
    if (!std::isfinite(value)) value = 0;

    // Literal text before the first and after the last placeholder is copied as it is.
    const std::size_t begin = pattern.find_first_of("0#.");
    if (begin == std::string_view::npos) return std::string(pattern);
    std::size_t end = begin;
    while (end < pattern.size() && (isPlaceholder(pattern[end]) || pattern[end] == '.'))
        ++end;
    const std::string_view prefix = pattern.substr(0, begin);
    const std::string_view suffix = pattern.substr(end);
    const std::string_view core = pattern.substr(begin, end - begin);

    const std::size_t dot = core.find('.');
    const std::string_view intPart = core.substr(0, dot);
    const std::string_view decPart =
        dot == std::string_view::npos ? std::string_view{} : core.substr(dot + 1);
    // "#0" asks for at least one integer digit, "000" for three; "##" for none.
    const std::size_t firstZero = intPart.find('0');
    const std::size_t minIntDigits = firstZero == std::string_view::npos ? 0 : intPart.size() - firstZero;
    std::size_t decimals = 0, minDecimals = 0;
    for (std::size_t i = 0; i < decPart.size(); ++i) {
        if (!isPlaceholder(decPart[i])) break;
        ++decimals;
        if (decPart[i] == '0') minDecimals = decimals;
    }

    const std::string n = scaledInteger(std::fabs(value), static_cast<int>(decimals));
    const std::string padded = n.size() < decimals ? std::string(decimals - n.size(), '0') + n : n;
    std::string integer = padded.substr(0, padded.size() - decimals);
    std::string fraction = padded.substr(padded.size() - decimals);
    if (integer.size() < minIntDigits) integer.insert(0, minIntDigits - integer.size(), '0');
    while (fraction.size() > minDecimals && fraction.back() == '0')
        fraction.pop_back();

    std::string out(prefix);
    if (value < 0 && !n.empty()) out += '-';
    out += integer;
    if (dot != std::string_view::npos) out += '.' + fraction;
    out += suffix;
    return out;
}

void Remplacer(std::string& text, std::string_view from, std::string_view to) {
    if (text.empty() || from.empty()) return;
    for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

std::string FormatComma(double value, std::string_view pattern) {
    std::string s = FormatNumber(value, pattern);
    Remplacer(s, ".", ",");
    return s;
}

std::string NumberText(double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    const DecimalDigits d = decimalDigits(std::fabs(value));
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int count = static_cast<int>(digits.size());

    std::string out = value < 0 ? "-" : "";
    if (d.point < -8 || d.point > 15) { // outside [1e-9, 1e15): scientific, as the classic Str
        char buf[40];
        const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
        return std::string(buf, res.ptr);
    }
    if (d.point <= 0) {
        out += "0." + std::string(static_cast<std::size_t>(-d.point), '0') + digits;
    } else if (d.point >= count) {
        out += digits + std::string(static_cast<std::size_t>(d.point - count), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(d.point)) + "." +
               digits.substr(static_cast<std::size_t>(d.point));
    }
    return out;
}

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;

    // Rebuild a clean number ("-12.5e3") from the leading characters that make one.
    std::string clean;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) clean += text[i++];
    bool digits = false;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        clean += text[i++];
        digits = true;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        clean += '.';
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            clean += text[i++];
            digits = true;
        }
    }
    if (!digits) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        const std::size_t firstDigit = j;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            exponent += text[j++];
        if (j > firstDigit) clean += exponent; // "1e" and "1e+" read as 1
    }

    const char* first = clean.data();
    if (*first == '+') ++first; // from_chars takes no plus sign
    double result = 0;
    const auto res = std::from_chars(first, clean.data() + clean.size(), result);
    // An overflowing exponent is no usable number either.
    if (res.ec != std::errc() || !std::isfinite(result)) return 0;
    return result;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

} // namespace ondivel
