#include "core/units.hpp"

#include "core/errors.hpp"

#include <charconv>
#include <cmath>
#include <fmt/format.h>
#include <numbers>

namespace cutting::host {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

[[noreturn]] void Malformed(std::string_view token, std::string_view why) {
    throw InputError("malformed value '" + std::string(token) + "': " + std::string(why));
}

// A plain decimal number, nothing before or after it.
double ParseNumber(std::string_view token, std::string_view number) {
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    if (number.empty()) Malformed(token, "no number");
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) Malformed(token, "out of the range of a double");
    if (error != std::errc() || end != number.data() + number.size()) Malformed(token, "not a number");
    if (!std::isfinite(value)) Malformed(token, "not a finite number");
    return value;
}

}  // namespace

std::string_view UnitSymbol(Unit unit) {
    switch (unit) {
        case Unit::Millimetre: return "mm";
        case Unit::Fraction: return "%";
        case Unit::Angle: return "deg";
        case Unit::Ratio:
        case Unit::Plain: return "";
    }
    return "";
}

std::string_view UnitDescription(Unit unit) {
    switch (unit) {
        case Unit::Millimetre: return "mm";
        case Unit::Fraction: return "% (stored as a fraction)";
        case Unit::Angle: return "deg (stored in radians)";
        case Unit::Ratio: return "ratio";
        case Unit::Plain: return "plug-in's unit";
    }
    return "";
}

double ToUserUnit(double raw, Unit unit) {
    switch (unit) {
        case Unit::Fraction: return raw * 100.0;
        case Unit::Angle: return raw * kDegreesPerRadian;
        default: return raw;
    }
}

std::string FormatInUserUnit(double raw, Unit unit) {
    const std::string number = fmt::format("{:.6g}", ToUserUnit(raw, unit));
    const std::string_view symbol = UnitSymbol(unit);
    return symbol.empty() ? number : number + " " + std::string(symbol);
}

std::string FormatRaw(double raw) { return fmt::format("{}", raw); }

double ParseValue(std::string_view token, Unit unit) {
    const std::string_view text = Trimmed(token);
    if (text.empty()) Malformed(token, "empty");

    struct Suffix {
        std::string_view text;
        Unit fits;
        double toStored;
    };
    static constexpr Suffix kSuffixes[] = {
        {"mm", Unit::Millimetre, 1.0},
        {"%", Unit::Fraction, 0.01},
        {"deg", Unit::Angle, 1.0 / kDegreesPerRadian},
        {"\xC2\xB0", Unit::Angle, 1.0 / kDegreesPerRadian},  // the degree sign in UTF-8
        {"rad", Unit::Angle, 1.0},
    };
    for (const Suffix& suffix : kSuffixes) {
        if (!EndsWith(text, suffix.text)) continue;
        if (unit != suffix.fits) {
            Malformed(token, "unit '" + std::string(suffix.text) + "' does not fit a parameter measured in " +
                                 std::string(UnitDescription(unit)));
        }
        const double number = ParseNumber(token, Trimmed(text.substr(0, text.size() - suffix.text.size())));
        return number * suffix.toStored;
    }
    return ParseNumber(token, text);
}

}  // namespace cutting::host
