// The exact constants the unit definitions are built from, each as the agreement or
// standard that fixes it. A unit's size is one of these, or a product or quotient of them,
// so that no factor of any category is a rounded copy of another.
#pragma once

#include <numbers>

namespace convert::definitions {

inline constexpr double kPi = std::numbers::pi;

// The international yard and pound agreement of 1959: the inch is 25.4 mm exactly, the
// avoirdupois pound 0.45359237 kg exactly.
inline constexpr double kInch = 0.0254;       // m
inline constexpr double kFoot = 0.3048;       // m, 12 inches
inline constexpr double kYard = 0.9144;       // m, 3 feet
inline constexpr double kMile = 1609.344;     // m, 1760 yards
inline constexpr double kPound = 0.45359237;  // kg

// Standard gravity (3rd CGPM, 1901), which turns a mass into the force it weighs: the
// kilogram-force and the pound-force.
inline constexpr double kStandardGravity = 9.80665;               // m/s²
inline constexpr double kPoundForce = kPound * kStandardGravity;  // N

// The US liquid gallon is 231 cubic inches exactly (NIST Handbook 44).
inline constexpr double kCubicInch = kInch * kInch * kInch;  // m³
inline constexpr double kUsGallon = 231 * kCubicInch;        // m³, 3.785411784 l
inline constexpr double kUsFluidOunce = kUsGallon / 128;     // m³
inline constexpr double kUsFluidDram = kUsFluidOunce / 8;    // m³

// The International Steam Table calorie (1956), 4.1868 J exactly.
inline constexpr double kCalorie = 4.1868;  // J

// The second is the base of time; a day is 86,400 s, a Gregorian year 365.2425 days.
inline constexpr double kHour = 3600;                      // s
inline constexpr double kDay = 86400;                      // s
inline constexpr double kGregorianYear = 365.2425 * kDay;  // s

}  // namespace convert::definitions
