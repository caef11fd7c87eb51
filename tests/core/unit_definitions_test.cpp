// The unit definitions of every converter category: each unit against the value that
// standard tables publish for it, the agreement of every conversion with every other, and
// the lines people check first.
#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

#include "convert/categories.h"
#include "convert/converter.h"

namespace convert {
namespace {

// Relative tolerances: a value published exactly, and one published to seven significant
// digits (half a unit in the seventh digit of a value whose first digit is 1).
constexpr double kExact = 1e-12;
constexpr double kSeven = 5e-7;

int UnitIndex(const Category& category, std::string_view label)
{
    for (std::size_t i = 0; i < category.labels.size(); ++i) {
        if (category.labels[i] == label) {
            return static_cast<int>(i);
        }
    }
    ADD_FAILURE() << category.caption << " has no unit labelled " << label;
    return -1;
}

struct Reference {
    const Category* category;
    double amount;
    std::string_view from;
    std::string_view to;
    double published;
    double tolerance;
};

void PrintTo(const Reference& r, std::ostream* os)
{
    *os << r.category->caption << ": " << r.amount << ' ' << r.from << " to " << r.to;
}

class ReferenceValueTest : public ::testing::TestWithParam<Reference> {};

TEST_P(ReferenceValueTest, MatchesThePublishedValue)
{
    const Reference& r = GetParam();
    const auto value = ConvertProduct(*r.category, r.amount, UnitIndex(*r.category, r.from),
                                      UnitIndex(*r.category, r.to));
    ASSERT_TRUE(value.has_value());
    EXPECT_NEAR(*value, r.published, std::abs(r.published) * r.tolerance);
}

// Published values, each from a standard table, never from this product's definitions:
// NIST SP 811 (2008) appendix B, NIST Handbook 44 appendix C, IEC 80000-13 for the binary
// prefixes, the SI brochure for the metric units. Every unit of every category appears at
// least once.
// clang-format off
constexpr Reference kReferences[]{
    {&kAngle, 1, "Gradients", "Radians", 1.570796e-2, kSeven},
    {&kAngle, 1, "Degrees", "Radians", 1.745329e-2, kSeven},
    {&kAngle, 1, "Minutes", "Radians", 2.908882e-4, kSeven},
    {&kAngle, 1, "Seconds", "Radians", 4.848137e-6, kSeven},
    {&kAngle, 1, "Radians", "Degrees", 57.29578, kSeven},
    {&kAngle, 90, "Degrees", "Gradients", 100, kExact},
    {&kAngle, 1, "Degrees", "Seconds", 3600, kExact},
    {&kArea, 1, "Square kilometer (km²)", "Square meter (m²)", 1e6, kExact},
    {&kArea, 1, "Hectare", "Square meter (m²)", 1e4, kExact},
    {&kArea, 1, "Square centimeter (cm²)", "Square meter (m²)", 1e-4, kExact},
    {&kArea, 1, "Square millimeter (mm²)", "Square meter (m²)", 1e-6, kExact},
    {&kArea, 1, "Square mile", "Square meter (m²)", 2.589988e6, kSeven},
    {&kArea, 1, "Square mile", "Acre", 640, kExact},
    {&kArea, 1, "Acre", "Square meter (m²)", 4046.8564224, kExact},
    {&kArea, 1, "Square", "Square foot (ft²)", 100, kExact},
    {&kArea, 1, "Square yard (yd²)", "Square meter (m²)", 0.83612736, kExact},
    {&kArea, 1, "Square foot (ft²)", "Square meter (m²)", 0.09290304, kExact},
    {&kArea, 1, "Square inch (in²)", "Square meter (m²)", 6.4516e-4, kExact},
    {&kComputerStorage, 1, "Gigabit", "Bit", 1073741824, kExact},
    {&kComputerStorage, 1, "Megabit", "Bit", 1048576, kExact},
    {&kComputerStorage, 1, "Kilobit", "Bit", 1024, kExact},
    {&kComputerStorage, 1, "Gigabyte (GB)", "Bit", 8589934592, kExact},
    {&kComputerStorage, 1, "Gigabyte (GB)", "Megabyte (MB)", 1024, kExact},
    {&kComputerStorage, 1, "Megabyte (MB)", "kilobyte (KB)", 1024, kExact},
    {&kComputerStorage, 1, "kilobyte (KB)", "Byte (octet)", 1024, kExact},
    {&kComputerStorage, 1, "Byte (octet)", "Bit", 8, kExact},
    // Drop, dash, pinch and coffee spoon are this product's kitchen measures: 57 drops to the
    // fluid dram, a dash of 4.75 drops, a pinch of 9.5, a coffee spoon of 19.
    {&kCooking, 57, "Drop", "Fluid dram", 1, kExact},
    {&kCooking, 1, "Dash", "Drop", 4.75, kExact},
    {&kCooking, 1, "Pinch", "Drop", 9.5, kExact},
    {&kCooking, 1, "Coffee spoon", "Drop", 19, kExact},
    {&kCooking, 1, "Deciliter", "Milliliter", 100, kExact},
    {&kCooking, 1, "Fluid dram", "Milliliter", 3.696691, kSeven},
    {&kCooking, 1, "Teaspoon (US)", "Milliliter", 4.928922, kSeven},
    {&kCooking, 1, "Tablespoon (US)", "Milliliter", 14.78676, kSeven},
    {&kCooking, 1, "Fluid ounce (US)", "Milliliter", 29.57353, kSeven},
    {&kCooking, 1, "Cup (US)", "Milliliter", 236.5882, kSeven},
    {&kCooking, 1, "Cubic inch", "Milliliter", 16.387064, kExact},
    {&kCooking, 1, "Pint (US)", "Milliliter", 473.1765, kSeven},
    {&kCooking, 1, "Quart (US)", "Liter", 0.9463529, kSeven},
    {&kCooking, 1, "Gallon (US)", "Liter", 3.785411784, kExact},
    {&kCooking, 1, "Gallon (US)", "Cubic inch", 231, kExact},
    {&kEnergy, 1, "Megajoule (MJ)", "Joule (J)", 1e6, kExact},
    {&kEnergy, 1, "Kilojoule (kJ)", "Joule (J)", 1e3, kExact},
    {&kEnergy, 1, "Megacalorie (Mcal)", "Joule (J)", 4.1868e6, kExact},
    {&kEnergy, 1, "Kilocalorie (kcal)", "Joule (J)", 4186.8, kExact},
    {&kEnergy, 1, "Calorie (cal)", "Joule (J)", 4.1868, kExact},
    {&kEnergy, 1, "Kilowatt hour (kW*h)", "Megajoule (MJ)", 3.6, kExact},
    {&kEnergy, 1, "Watt hour (W*h)", "Joule (J)", 3600, kExact},
    {&kEnergy, 1, "Watt second (W*s)", "Joule (J)", 1, kExact},
    {&kFrequency, 1, "Cycle/second", "Hertz", 1, kExact},
    {&kFrequency, 1, "Degree/hour", "Hertz", 7.716049e-7, kSeven},
    {&kFrequency, 1, "Degree/minute", "Hertz", 4.629630e-5, kSeven},
    {&kFrequency, 1, "Degree/second", "Hertz", 2.777778e-3, kSeven},
    {&kFrequency, 1, "Millihertz", "Hertz", 1e-3, kExact},
    {&kFrequency, 1, "Kilohertz", "Hertz", 1e3, kExact},
    {&kFrequency, 1, "Megahertz", "Hertz", 1e6, kExact},
    {&kFrequency, 1, "Gigahertz", "Hertz", 1e9, kExact},
    {&kFrequency, 1, "Terrahertz", "Hertz", 1e12, kExact},
    {&kFrequency, 1, "Radian/hour", "Hertz", 4.420971e-5, kSeven},
    {&kFrequency, 1, "Radian/minute", "Hertz", 2.652582e-3, kSeven},
    {&kFrequency, 1, "Radian/second", "Hertz", 0.1591549, kSeven},
    {&kFrequency, 1, "Revolution/hour", "Hertz", 2.777778e-4, kSeven},
    {&kFrequency, 1, "Revolution/minute", "Hertz", 1.666667e-2, kSeven},
    {&kFrequency, 1, "Revolution/second", "Degree/second", 360, kExact},
    {&kLength, 1, "Kilometer (km)", "Meter (m)", 1e3, kExact},
    {&kLength, 1, "Decimeter (dm)", "Meter (m)", 0.1, kExact},
    {&kLength, 1, "Centimeter (cm)", "Meter (m)", 0.01, kExact},
    {&kLength, 1, "Millimeter (mm)", "Meter (m)", 1e-3, kExact},
    {&kLength, 1, "Micron", "Meter (m)", 1e-6, kExact},
    {&kLength, 1, "Nanometer (nm)", "Meter (m)", 1e-9, kExact},
    {&kLength, 1, "Angstrom", "Meter (m)", 1e-10, kExact},
    {&kLength, 1, "Mile (mi)", "Meter (m)", 1609.344, kExact},
    {&kLength, 1, "Mile (mi)", "Foot (ft)", 5280, kExact},
    {&kLength, 1, "Yard (yd)", "Meter (m)", 0.9144, kExact},
    {&kLength, 1, "Foot (ft)", "Meter (m)", 0.3048, kExact},
    {&kLength, 1, "Inch (in)", "Centimeter (cm)", 2.54, kExact},
    {&kLight, 1, "Nit", "Candela/m²", 1, kExact},
    {&kLight, 1, "Stilb", "Candela/m²", 1e4, kExact},
    {&kLight, 1, "Stilb", "Candela/cm²", 1, kExact},
    {&kLight, 1, "Lambert", "Candela/m²", 3183.099, kSeven},
    {&kLight, 1, "Footlambert", "Candela/m²", 3.426259, kSeven},
    {&kLight, 1, "Candela/cm²", "Nit", 1e4, kExact},
    {&kLight, 1, "Candela/ft²", "Candela/m²", 10.76391, kSeven},
    {&kLight, 1, "Candela/in²", "Candela/m²", 1550.003, kSeven},
    {&kPower, 1, "Megawatt (MW)", "Watt (W)", 1e6, kExact},
    {&kPower, 1, "Kilowatt (kW)", "Watt (W)", 1e3, kExact},
    {&kPower, 1, "Kilocalories per second", "Watt (W)", 4186.8, kExact},
    {&kPower, 1, "Calories per second", "Watt (W)", 4.1868, kExact},
    {&kPower, 1, "Horsepower (hp)", "Watt (W)", 745.6999, kSeven},
    {&kPower, 1, "Joule per second", "Watt (W)", 1, kExact},
    {&kPower, 1, "Joule per hour", "Watt (W)", 2.777778e-4, kSeven},
    {&kPressure, 1, "Bar", "Pascal (Pa)", 1e5, kExact},
    {&kPressure, 1, "Kilopascal (kPa)", "Pascal (Pa)", 1e3, kExact},
    {&kPressure, 1, "Hectopascal (hPa)", "Pascal (Pa)", 100, kExact},
    {&kPressure, 1, "Millibar", "Hectopascal (hPa)", 1, kExact},
    {&kPressure, 1, "Kg/square centimeter (kgf/cm²)", "Pascal (Pa)", 98066.5,
    kExact},
    {&kPressure, 1, "Kg/square meter (kgf/m²)", "Pascal (Pa)", 9.80665, kExact},
    {&kPressure, 1, "Kilopound/square inch (ksi)", "Pascal (Pa)", 6.894757e6,
    kSeven},
    {&kPressure, 1, "Pound/square inch (psi)", "Kilopascal (kPa)", 6.894757,
    kSeven},
    {&kPressure, 1, "Pound/square foot", "Pascal (Pa)", 47.88026, kSeven},
    {&kSpeed, 1, "Kilometer per second (km/s)", "Meter per second (m/s)", 1e3,
    kExact},
    {&kSpeed, 1, "Kilometer per hour", "Meter per second (m/s)", 0.2777778,
    kSeven},
    {&kSpeed, 1, "Meter per minute", "Meter per second (m/s)", 1.666667e-2,
    kSeven},
    {&kSpeed, 1, "Mile per second", "Meter per second (m/s)", 1609.344, kExact},
    {&kSpeed, 1, "Mile per hour (mph)", "Meter per second (m/s)", 0.44704, kExact},
    {&kSpeed, 1, "Mile per hour (mph)", "Kilometer per hour", 1.609344, kExact},
    {&kSpeed, 1, "Foot per second", "Meter per second (m/s)", 0.3048, kExact},
    {&kTime, 1, "Century", "Day", 36524.25, kExact},
    {&kTime, 1, "Century", "Second (sec)", 3.1556952e9, kExact},
    {&kTime, 1, "Week", "Second (sec)", 604800, kExact},
    {&kTime, 1, "Day", "Second (sec)", 86400, kExact},
    {&kTime, 1, "Hour", "Second (sec)", 3600, kExact},
    {&kTime, 1, "Minute (min)", "Second (sec)", 60, kExact},
    {&kTorque, 1, "Dyne Centimeters", "Meter-Newtons", 1e-7, kExact},
    {&kTorque, 1, "Foot-Pounds", "Meter-Newtons", 1.355818, kSeven},
    {&kTorque, 1, "Inch-Pounds", "Meter-Newtons", 0.1129848, kSeven},
    {&kTorque, 1, "Kilogram-Meter", "Meter-Newtons", 9.80665, kExact},
    {&kTorque, 1, "Foot-Pounds", "Inch-Pounds", 12, kExact},
    {&kVolume, 1, "Cubic decimeter (dm³)", "Liter (l)", 1, kExact},
    {&kVolume, 1, "Cubic centimeter (cc)", "Milliliter (ml)", 1, kExact},
    {&kVolume, 1, "Cubic millimeter (mm³)", "Microliter (µl)", 1, kExact},
    {&kVolume, 1, "Hectoliter (hl)", "Liter (l)", 100, kExact},
    {&kVolume, 1, "Decaliter", "Liter (l)", 10, kExact},
    {&kVolume, 1, "Deciliter (dl)", "Liter (l)", 0.1, kExact},
    {&kVolume, 1, "Centiliter (cl)", "Milliliter (ml)", 10, kExact},
    {&kVolume, 1, "Liter (l)", "Cubic meter (m³)", 1e-3, kExact},
    {&kVolume, 1, "Acre foot", "Cubic meter (m³)", 1233.48183754752, kExact},
    {&kVolume, 1, "Cubic yard (yd³)", "Cubic meter (m³)", 0.764554857984, kExact},
    {&kVolume, 1, "Cubic foot (ft³)", "Cubic meter (m³)", 2.831685e-2, kSeven},
    {&kVolume, 1, "Cubic inch (in³)", "Cubic centimeter (cc)", 16.387064, kExact},
    {&kVolume, 1, "Barrel (petroleum)", "Cubic meter (m³)", 0.1589873, kSeven},
    {&kVolume, 1, "Gallon, liquid (gal) (US)", "Liter (l)", 3.785411784, kExact},
    {&kVolume, 1, "Quart, liquid (qt) (US)", "Liter (l)", 0.946352946, kExact},
    {&kVolume, 1, "Pint, liquid (pt) (US)", "Liter (l)", 0.473176473, kExact},
    {&kVolume, 1, "Fluid ounce (oz) (US)", "Milliliter (ml)", 29.5735295625,
    kExact},
    {&kWeight, 1, "Kilotonne", "Tonne", 1000, kExact},
    {&kWeight, 1, "Tonne", "Kilogram (kg)", 1000, kExact},
    {&kWeight, 1, "Centner", "Kilogram (kg)", 100, kExact},
    {&kWeight, 1, "Gram (g)", "Kilogram (kg)", 1e-3, kExact},
    {&kWeight, 1, "Centigram", "Gram (g)", 0.01, kExact},
    {&kWeight, 1, "Milligram (mg)", "Gram (g)", 1e-3, kExact},
    {&kWeight, 1, "Microgram (mcg)", "Milligram (mg)", 1e-3, kExact},
    {&kWeight, 1, "Pound (lb) (Avoir)", "Kilogram (kg)", 0.45359237, kExact},
    {&kWeight, 1, "Ounce (Avoir)", "Gram (g)", 28.349523125, kExact},
    {&kWeight, 1, "Newton (N)", "Kilogram (kg)", 0.1019716, kSeven},
    {&kWeight, 1, "Carat", "Milligram (mg)", 200, kExact},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Published, ReferenceValueTest, ::testing::ValuesIn(kReferences));

// Every unit of every category appears in the reference rows above.
TEST(ReferenceValueTest, NamesEveryUnit)
{
    for (const Category* category : kConverterCategories) {
        for (const std::string_view label : category->labels) {
            bool named = false;
            for (const Reference& row : kReferences) {
                named =
                    named || (row.category == category && (row.from == label || row.to == label));
            }
            EXPECT_TRUE(named) << category->caption << ": " << label;
        }
    }
}

// Every conversion agrees with every other: from r to k and back returns the amount, and
// going through any third unit j lands where going straight does. Rounded factors broke
// both (Hertz to Degree/hour and back was 1.296); sizes cannot, beyond the last bits.
TEST(UnitDefinitionsTest, EveryConversionAgreesWithEveryOther)
{
    constexpr double kRelative = 1e-12;
    for (const Category* category : kConverterCategories) {
        SCOPED_TRACE(category->caption);
        const int units = static_cast<int>(category->labels.size());
        for (const double amount : {1.0, 3.7, -0.001, 12345.678}) {
            for (int r = 0; r < units; ++r) {
                for (int k = 0; k < units; ++k) {
                    const double direct = *ConvertProduct(*category, amount, r, k);
                    const double back = *ConvertProduct(*category, direct, k, r);
                    EXPECT_NEAR(back, amount, std::abs(amount) * kRelative)
                        << category->labels[r] << " -> " << category->labels[k];
                    for (int j = 0; j < units; ++j) {
                        const double via = *ConvertProduct(
                            *category, *ConvertProduct(*category, amount, r, j), j, k);
                        EXPECT_NEAR(via, direct, std::abs(direct) * kRelative)
                            << category->labels[r] << " -> " << category->labels[j] << " -> "
                            << category->labels[k];
                    }
                }
            }
        }
    }
}

TEST(UnitDefinitionsTest, EveryUnitIsItsOwnValueExactly)
{
    for (const Category* category : kConverterCategories) {
        SCOPED_TRACE(category->caption);
        ASSERT_TRUE(HasUnitSizes(*category));
        for (std::size_t unit = 0; unit < category->labels.size(); ++unit) {
            const auto products = ConvertProducts(*category, 0.1, static_cast<int>(unit));
            ASSERT_TRUE(products.has_value());
            EXPECT_EQ((*products)[unit], 0.1) << category->labels[unit];
        }
    }
}

struct Shown {
    const Category* category;
    double amount;
    std::string_view from;
    std::string_view to;
    std::string_view text;
};

void PrintTo(const Shown& s, std::ostream* os)
{
    *os << s.amount << ' ' << s.from << " to " << s.to;
}

class ShownValueTest : public ::testing::TestWithParam<Shown> {};

TEST_P(ShownValueTest, ReadsAsACalculatorWould)
{
    const Shown& s = GetParam();
    const auto value = ConvertProduct(*s.category, s.amount, UnitIndex(*s.category, s.from),
                                      UnitIndex(*s.category, s.to));
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(FormatProduct(*value, 0, -1), s.text);
}

// The conversions people try first with a calculator beside them, as the window writes them.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FirstTries, ShownValueTest,
    ::testing::Values(
        Shown{&kTime, 3600, "Second (sec)", "Hour", "1.00000"},
        Shown{&kTime, 90, "Minute (min)", "Hour", "1.50000"},
        Shown{&kLength, 3, "Foot (ft)", "Yard (yd)", "1.00000"},
        Shown{&kLength, 1, "Mile (mi)", "Kilometer (km)", "1.60934"},
        Shown{&kAngle, 180, "Degrees", "Radians", "3.14159"},
        Shown{&kAngle, 3600, "Seconds", "Radians", "0.01745"},
        Shown{&kLight, 1, "Stilb", "Candela/cm²", "1.00000"},
        Shown{&kLight, 1, "Candela/ft²", "Nit", "10.76391"},
        Shown{&kCooking, 1, "Cup (US)", "Milliliter", "236.58824"},
        Shown{&kCooking, 16, "Tablespoon (US)", "Cup (US)", "1.00000"},
        Shown{&kFrequency, 1000000, "Degree/hour", "Revolution/second", "0.77160"},
        Shown{&kFrequency, 60, "Revolution/minute", "Hertz", "1.00000"},
        Shown{&kWeight, 100, "Pound (lb) (Avoir)", "Kilogram (kg)", "45.35924"},
        Shown{&kVolume, 1, "Gallon, liquid (gal) (US)", "Liter (l)", "3.78541"},
        Shown{&kArea, 1, "Acre", "Square foot (ft²)", "43560.00000"},
        Shown{&kPressure, 14.6959, "Pound/square inch (psi)", "Bar", "1.01325"},
        Shown{&kComputerStorage, 1, "Gigabyte (GB)", "kilobyte (KB)", "1048576.00000"}));
// clang-format on

}  // namespace
}  // namespace convert
