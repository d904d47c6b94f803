#include "base/NumberText.h"

#include "base/StandardError.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace burgeon {

namespace {

constexpr int SignificantDigits = 15;

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the decimal-number grammar strictly; strtod alone would accept hex, "inf" and "nan".
bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return false;
        }
    }
    return i == text.size();
}

} // namespace

std::string formatGeneral(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "INF" : "-INF";
    }
    if (value == 0.0) {
        return "0";
    }
    // d.dddddddddddddde+XX: the 15 significant digits, rounded by the C library.
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.*e", SignificantDigits - 1, value);
    std::string_view text(scientific);
    const bool negative = text.front() == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    const std::size_t ePosition = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePosition)) {
        if (isDigit(c)) {
            digits += c;
        }
    }
    const int exponent = std::atoi(std::string(text.substr(ePosition + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }

    std::string result = negative ? "-" : "";
    if (exponent >= SignificantDigits || exponent < -5) {
        result += digits.front();
        if (digits.size() > 1) {
            result += '.';
            result += digits.substr(1);
        }
        result += 'E';
        result += std::to_string(exponent);
    } else if (exponent < 0) {
        result += "0.";
        result += std::string(static_cast<std::size_t>(-exponent - 1), '0');
        result += digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= wholeDigits) {
            result += digits;
            result += std::string(wholeDigits - digits.size(), '0');
        } else {
            result += digits.substr(0, wholeDigits);
            result += '.';
            result += digits.substr(wholeDigits);
        }
    }
    return result;
}

std::int64_t roundHalfEven(double value) {
    // nearbyint rounds in the current mode, which is round-to-nearest-even by default.
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < -9.2233720368547758e18 ||
        rounded >= 9.2233720368547758e18) {
        throw StandardError::invalidFloatOperation();
    }
    return static_cast<std::int64_t>(rounded);
}

bool tryParseInteger(std::string_view text, std::int32_t& value) {
    std::string_view body = trimBlanks(text);
    if (!body.empty() && body.front() == '+') {
        body.remove_prefix(1);
        if (!body.empty() && body.front() == '-') {
            return false;
        }
    }
    if (body.empty()) {
        return false;
    }
    std::int32_t parsed = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), parsed);
    if (error != std::errc() || end != body.data() + body.size()) {
        return false;
    }
    value = parsed;
    return true;
}

std::int32_t parseInteger(std::string_view text) {
    std::int32_t value = 0;
    if (!tryParseInteger(text, value)) {
        throw StandardError::notAnInteger(text);
    }
    return value;
}

bool tryParseFloat(std::string_view text, double& value) {
    const std::string body(trimBlanks(text));
    if (!isDecimalNumber(body)) {
        return false;
    }
    char* end = nullptr;
    const double parsed = std::strtod(body.c_str(), &end);
    if (end != body.c_str() + body.size() || !std::isfinite(parsed)) {
        return false;
    }
    value = parsed;
    return true;
}

double parseFloat(std::string_view text) {
    double value = 0.0;
    if (!tryParseFloat(text, value)) {
        throw StandardError::notAFloat(text);
    }
    return value;
}

std::string formatRoundTrip(double value) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "null" : (value > 0 ? "1e999" : "-1e999");
    }
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;
    return std::string(buffer, end);
}

} // namespace burgeon
