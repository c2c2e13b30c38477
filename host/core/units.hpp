// The units the user sees. Plug-ins speak millimetres, radians, fractions and
// ratios; the workbench shows fractions as per cent and radians as degrees,
// and accepts values with or without a unit.
#pragma once

#include <string>
#include <string_view>

namespace cutting::host {

enum class Unit {
    Millimetre,  // shown and entered in mm
    Fraction,    // stored as a fraction, shown as %
    Angle,       // stored in radians, shown in degrees
    Ratio,       // a ratio of two lengths, shown bare
    Plain,       // a plug-in's own number whose unit the host does not know
};

// "mm", "%", "deg", "" for ratios and plain numbers.
std::string_view UnitSymbol(Unit unit);

// What the unit means, for listings: "mm", "% (fraction)", "deg (radians)", ...
std::string_view UnitDescription(Unit unit);

// The stored value expressed in the user's unit (per cent, degrees, ...).
double ToUserUnit(double raw, Unit unit);

// "6 mm", "60 %", "40 deg", "1.2": rounded for people.
std::string FormatInUserUnit(double raw, Unit unit);

// Shortest text that reads back as exactly `raw`.
std::string FormatRaw(double raw);

// Reads a value the user typed for a parameter of the given unit and returns
// it in the plug-in's unit. A bare number is taken in the plug-in's unit;
// "mm", "%", "deg" (or "°") and "rad" are accepted where they fit.
// Throws InputError naming the token when it is malformed, not finite or
// carries a unit that does not fit.
double ParseValue(std::string_view token, Unit unit);

}  // namespace cutting::host
