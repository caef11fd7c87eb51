#include "convert/answer_rank.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

#include "convert/temperature_formula.h"

namespace convert {

namespace {

constexpr auto M = MeasuringSystem::Metric;
constexpr auto C = MeasuringSystem::Customary;
constexpr auto N = MeasuringSystem::Neither;
constexpr auto E = UnitUse::Everyday;
constexpr auto O = UnitUse::Common;
constexpr auto S = UnitUse::Specialist;

struct UnitEntry {
    std::string_view caption;
    std::string_view label;
    UnitRanking ranking;
};

// Every unit of every tab, by the label the tab writes beside its value.
// clang-format off
constexpr UnitEntry kUnits[]{
    {"Angle", "Radians", {N, O}},
    {"Angle", "Gradients", {N, S}},
    {"Angle", "Degrees", {N, E}},
    {"Angle", "Minutes", {N, O}},
    {"Angle", "Seconds", {N, O}},

    {"Area", "Square kilometer (km²)", {M, E}},
    {"Area", "Hectare", {M, E}},
    {"Area", "Square meter (m²)", {M, E}},
    {"Area", "Square centimeter (cm²)", {M, O}},
    {"Area", "Square millimeter (mm²)", {M, S}},
    {"Area", "Square mile", {C, E}},
    {"Area", "Acre", {C, E}},
    {"Area", "Square", {C, S}},
    {"Area", "Square yard (yd²)", {C, O}},
    {"Area", "Square foot (ft²)", {C, E}},
    {"Area", "Square inch (in²)", {C, O}},

    {"Computer Storage", "Gigabit", {N, O}},
    {"Computer Storage", "Megabit", {N, O}},
    {"Computer Storage", "Kilobit", {N, S}},
    {"Computer Storage", "Bit", {N, S}},
    {"Computer Storage", "Gigabyte (GB)", {N, E}},
    {"Computer Storage", "Megabyte (MB)", {N, E}},
    {"Computer Storage", "kilobyte (KB)", {N, E}},
    {"Computer Storage", "Byte (octet)", {N, E}},

    {"Cooking", "Drop", {N, S}},
    {"Cooking", "Dash", {N, S}},
    {"Cooking", "Pinch", {N, S}},
    {"Cooking", "Milliliter", {M, E}},
    {"Cooking", "Deciliter", {M, O}},
    {"Cooking", "Coffee spoon", {N, S}},
    {"Cooking", "Fluid dram", {C, S}},
    {"Cooking", "Teaspoon (US)", {C, E}},
    {"Cooking", "Tablespoon (US)", {C, E}},
    {"Cooking", "Fluid ounce (US)", {C, E}},
    {"Cooking", "Cup (US)", {C, E}},
    {"Cooking", "Cubic inch", {C, S}},
    {"Cooking", "Pint (US)", {C, O}},
    {"Cooking", "Quart (US)", {C, O}},
    {"Cooking", "Liter", {M, E}},
    {"Cooking", "Gallon (US)", {C, E}},

    {"Energy", "Megajoule (MJ)", {N, O}},
    {"Energy", "Kilojoule (kJ)", {N, E}},
    {"Energy", "Joule (J)", {N, O}},
    {"Energy", "Megacalorie (Mcal)", {N, S}},
    {"Energy", "Kilocalorie (kcal)", {N, E}},
    {"Energy", "Calorie (cal)", {N, O}},
    {"Energy", "Kilowatt hour (kW*h)", {N, E}},
    {"Energy", "Watt hour (W*h)", {N, O}},
    {"Energy", "Watt second (W*s)", {N, S}},

    {"Frequency", "Cycle/second", {N, S}},
    {"Frequency", "Degree/hour", {N, S}},
    {"Frequency", "Degree/minute", {N, S}},
    {"Frequency", "Degree/second", {N, S}},
    {"Frequency", "Millihertz", {N, S}},
    {"Frequency", "Hertz", {N, E}},
    {"Frequency", "Kilohertz", {N, E}},
    {"Frequency", "Megahertz", {N, E}},
    {"Frequency", "Gigahertz", {N, E}},
    {"Frequency", "Terrahertz", {N, O}},
    {"Frequency", "Radian/hour", {N, S}},
    {"Frequency", "Radian/minute", {N, S}},
    {"Frequency", "Radian/second", {N, O}},
    {"Frequency", "Revolution/hour", {N, S}},
    {"Frequency", "Revolution/minute", {N, E}},
    {"Frequency", "Revolution/second", {N, O}},

    {"Length", "Kilometer (km)", {M, E}},
    {"Length", "Meter (m)", {M, E}},
    {"Length", "Decimeter (dm)", {M, S}},
    {"Length", "Centimeter (cm)", {M, E}},
    {"Length", "Millimeter (mm)", {M, O}},
    {"Length", "Micron", {M, S}},
    {"Length", "Nanometer (nm)", {M, S}},
    {"Length", "Angstrom", {M, S}},
    {"Length", "Mile (mi)", {C, E}},
    {"Length", "Yard (yd)", {C, O}},
    {"Length", "Foot (ft)", {C, E}},
    {"Length", "Inch (in)", {C, E}},

    {"Light", "Nit", {M, O}},
    {"Light", "Stilb", {M, S}},
    {"Light", "Lambert", {M, S}},
    {"Light", "Footlambert", {C, O}},
    {"Light", "Candela/m²", {M, E}},
    {"Light", "Candela/cm²", {M, O}},
    {"Light", "Candela/ft²", {C, E}},
    {"Light", "Candela/in²", {C, O}},

    {"Power", "Megawatt (MW)", {N, O}},
    {"Power", "Kilowatt (kW)", {N, E}},
    {"Power", "Watt (W)", {N, E}},
    {"Power", "Kilocalories per second", {N, S}},
    {"Power", "Calories per second", {N, S}},
    {"Power", "Horsepower (hp)", {N, E}},
    {"Power", "Joule per second", {N, S}},
    {"Power", "Joule per hour", {N, S}},

    {"Pressure", "Bar", {M, E}},
    {"Pressure", "Kilopascal (kPa)", {M, E}},
    {"Pressure", "Hectopascal (hPa)", {M, O}},
    {"Pressure", "Millibar", {M, O}},
    {"Pressure", "Pascal (Pa)", {M, O}},
    {"Pressure", "Kg/square centimeter (kgf/cm²)", {M, S}},
    {"Pressure", "Kg/square meter (kgf/m²)", {M, S}},
    {"Pressure", "Kilopound/square inch (ksi)", {C, S}},
    {"Pressure", "Pound/square inch (psi)", {C, E}},
    {"Pressure", "Pound/square foot", {C, S}},

    {"Speed", "Kilometer per second (km/s)", {M, S}},
    {"Speed", "Meter per second (m/s)", {M, O}},
    {"Speed", "Kilometer per hour", {M, E}},
    {"Speed", "Meter per minute", {M, S}},
    {"Speed", "Mile per second", {C, S}},
    {"Speed", "Mile per hour (mph)", {C, E}},
    {"Speed", "Foot per second", {C, O}},

    {"Temperature", kTemperatureLabels[0], {M, E}},  // Celsius
    {"Temperature", kTemperatureLabels[1], {C, E}},  // Fahrenheit
    {"Temperature", kTemperatureLabels[2], {N, O}},  // Kelvin: the sciences', not a country's

    {"Time", "Century", {N, S}},
    {"Time", "Week", {N, E}},
    {"Time", "Day", {N, E}},
    {"Time", "Hour", {N, E}},
    {"Time", "Minute (min)", {N, E}},
    {"Time", "Second (sec)", {N, E}},

    {"Torque", "Dyne Centimeters", {M, S}},
    {"Torque", "Foot-Pounds", {C, E}},
    {"Torque", "Inch-Pounds", {C, O}},
    {"Torque", "Kilogram-Meter", {M, O}},
    {"Torque", "Meter-Newtons", {M, E}},

    {"Volume", "Cubic meter (m³)", {M, E}},
    {"Volume", "Cubic decimeter (dm³)", {M, S}},
    {"Volume", "Cubic centimeter (cc)", {M, O}},
    {"Volume", "Cubic millimeter (mm³)", {M, S}},
    {"Volume", "Hectoliter (hl)", {M, S}},
    {"Volume", "Decaliter", {M, S}},
    {"Volume", "Liter (l)", {M, E}},
    {"Volume", "Deciliter (dl)", {M, O}},
    {"Volume", "Centiliter (cl)", {M, O}},
    {"Volume", "Milliliter (ml)", {M, E}},
    {"Volume", "Microliter (µl)", {M, S}},
    {"Volume", "Acre foot", {C, S}},
    {"Volume", "Cubic yard (yd³)", {C, O}},
    {"Volume", "Cubic foot (ft³)", {C, O}},
    {"Volume", "Cubic inch (in³)", {C, O}},
    {"Volume", "Barrel (petroleum)", {C, S}},
    {"Volume", "Gallon, liquid (gal) (US)", {C, E}},
    {"Volume", "Quart, liquid (qt) (US)", {C, E}},
    {"Volume", "Pint, liquid (pt) (US)", {C, E}},
    {"Volume", "Fluid ounce (oz) (US)", {C, E}},

    {"Weight", "Kilotonne", {M, S}},
    {"Weight", "Tonne", {M, E}},
    {"Weight", "Centner", {M, S}},
    {"Weight", "Kilogram (kg)", {M, E}},
    {"Weight", "Gram (g)", {M, E}},
    {"Weight", "Centigram", {M, S}},
    {"Weight", "Milligram (mg)", {M, O}},
    {"Weight", "Microgram (mcg)", {M, S}},
    {"Weight", "Pound (lb) (Avoir)", {C, E}},
    {"Weight", "Ounce (Avoir)", {C, E}},
    {"Weight", "Newton (N)", {N, S}},
    {"Weight", "Carat", {N, S}},
};
// clang-format on

// Step 1: 0 for a plain number that reads well, 1 for another plain number, 2 for "%e".
int Readability(const QueryAnswer& answer)
{
    if (answer.text.find_first_of("eE") != std::string::npos) {
        return 2;
    }
    const double size = std::fabs(answer.value);
    return size == 0 || (size >= 0.01 && size < 100000) ? 0 : 1;
}

// Step 3: the other system 0, neither 1, the same system 2. Typed in a unit of neither
// system, every unit is as near as any other.
int SystemDistance(MeasuringSystem typed, MeasuringSystem offered)
{
    if (typed == MeasuringSystem::Neither || offered == MeasuringSystem::Neither) {
        return 1;
    }
    return typed == offered ? 2 : 0;
}

// Step 4: 0 for a value from 1 up to below 1000, else 1.
int Size(const QueryAnswer& answer)
{
    const double size = std::fabs(answer.value);
    return size >= 1 && size < 1000 ? 0 : 1;
}

std::string_view LabelOf(const ParsedQuery& query, int unit)
{
    const auto index = static_cast<std::size_t>(unit);
    if (query.category == nullptr) {
        return index < kTemperatureLabels.size() ? kTemperatureLabels[index] : std::string_view();
    }
    return index < query.category->labels.size() ? query.category->labels[index]
                                                 : std::string_view();
}

UnitRanking RankingOrUnknown(std::string_view caption, std::string_view label)
{
    return RankingOf(caption, label).value_or(UnitRanking{N, S});
}

}  // namespace

std::optional<UnitRanking> RankingOf(std::string_view caption, std::string_view label)
{
    for (const UnitEntry& entry : kUnits) {
        if (entry.caption == caption && entry.label == label) {
            return entry.ranking;
        }
    }
    return std::nullopt;
}

std::vector<QueryAnswer> RankAnswers(const ParsedQuery& query, std::vector<QueryAnswer> answers)
{
    if (!query.targets.empty()) {
        return answers;
    }
    const MeasuringSystem typed =
        RankingOrUnknown(query.caption, LabelOf(query, query.unit)).system;
    auto key = [&](const QueryAnswer& answer) {
        const UnitRanking offered = RankingOrUnknown(query.caption, answer.label);
        return std::tuple(Readability(answer), static_cast<int>(offered.use),
                          SystemDistance(typed, offered.system), Size(answer));
    };
    // Stable: the tab's order settles what the rule leaves equal (step 5).
    std::stable_sort(answers.begin(), answers.end(),
                     [&](const QueryAnswer& a, const QueryAnswer& b) { return key(a) < key(b); });
    return answers;
}

}  // namespace convert
