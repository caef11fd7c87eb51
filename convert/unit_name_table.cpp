// The names people write for each unit, beside what its label and list item offer.
//
// Each row gives one unit (by its tab caption and its label) three lists, each
// separated by ";":
//   words    names that take a plural: "foot" also answers as "feet", "cup" as "cups",
//            "mile per hour" as "miles per hour" (the word before "per" or "/" is the
//            one made plural, else the last word);
//   symbols  names taken as written, in any case: "ft", "°F", "sq ft";
//   exact    symbols whose case matters, because by convention the case tells two
//            units apart: "MB" is a megabyte and "Mb" a megabit; "kB"/"KB" a
//            kilobyte and "Kb" a kilobit; "GB" and "Gb"; "GiB", "MiB" and "KiB",
//            which name the same units, as the storage units here are binary; "B" a byte
//            and "b" a bit; "t" a tonne (a capital "T" is a tesla, not a weight);
//            "MHz" against "mHz"; "nm" a nanometre and "Nm" a newton metre; "MW",
//            "MJ" and "Mcal" (a lower-case "m" would mean a thousandth). Any other
//            spelling of such a symbol is not a name: "mB" and "mw" are refused and
//            the exact spellings offered instead.
// Every name is matched with blanks collapsed, ², ³, ^2 and ^3 read as 2 and 3, µ as u
// (so "um" is a micron and "ft^2" a square foot), and without the period that may end
// an abbreviation ("ft.", "fl. oz.").
#include "convert/unit_names.h"

namespace convert {
namespace {

// clang-format off
constexpr UnitNameRow kUnitNameRows[]{
    // Angle
    {"Angle", "Radians",   "radian",                     "rad",                         ""},
    {"Angle", "Gradients", "gradian; gradient; grad; gon", "",                          ""},
    {"Angle", "Degrees",   "degree; deg",                "°",                           ""},
    {"Angle", "Minutes",   "minute; arcminute",          "arcmin; ′",                   ""},
    {"Angle", "Seconds",   "second; arcsecond",          "arcsec; ″",                   ""},

    // Area
    {"Area", "Square kilometer (km²)",  "square kilometer; square kilometre",   "sq km",         ""},
    {"Area", "Hectare",                 "hectare",                              "ha",            ""},
    {"Area", "Square meter (m²)",       "square meter; square metre",           "sq m",          ""},
    {"Area", "Square centimeter (cm²)", "square centimeter; square centimetre", "sq cm",         ""},
    {"Area", "Square millimeter (mm²)", "square millimeter; square millimetre", "sq mm",         ""},
    {"Area", "Square mile",             "square mile",                          "sq mi; mi²",    ""},
    {"Area", "Acre",                    "acre",                                 "ac",            ""},
    {"Area", "Square",                  "square",                               "",              ""},
    {"Area", "Square yard (yd²)",       "square yard",                          "sq yd",         ""},
    {"Area", "Square foot (ft²)",       "square foot",                          "sq ft",         ""},
    {"Area", "Square inch (in²)",       "square inch",                          "sq in",         ""},

    // Computer Storage
    {"Computer Storage", "Gigabit",       "gigabit; gibibit",   "Gbit; Gibit",    "Gb"},
    {"Computer Storage", "Megabit",       "megabit; mebibit",   "Mbit; Mibit",    "Mb"},
    {"Computer Storage", "Kilobit",       "kilobit; kibibit",   "kbit; Kibit",    "Kb"},
    {"Computer Storage", "Bit",           "bit",                "",               "b"},
    {"Computer Storage", "Gigabyte (GB)", "gigabyte; gibibyte", "",               "GB; GiB"},
    {"Computer Storage", "Megabyte (MB)", "megabyte; mebibyte", "",               "MB; MiB"},
    {"Computer Storage", "kilobyte (KB)", "kilobyte; kibibyte", "",               "KB; kB; KiB"},
    {"Computer Storage", "Byte (octet)",  "byte; octet",    "",               "B"},

    // Cooking
    {"Cooking", "Drop",             "drop",                      "",                         ""},
    {"Cooking", "Dash",             "dash",                      "",                         ""},
    {"Cooking", "Pinch",            "pinch",                     "",                         ""},
    {"Cooking", "Milliliter",       "milliliter; millilitre",    "ml",                       ""},
    {"Cooking", "Deciliter",        "deciliter; decilitre",      "dl",                       ""},
    {"Cooking", "Coffee spoon",     "coffee spoon; coffeespoon", "",                         ""},
    {"Cooking", "Fluid dram",       "fluid dram; fluid drachm",  "fl dr",                    ""},
    {"Cooking", "Teaspoon (US)",    "teaspoon",                  "tsp; tsps",                ""},
    {"Cooking", "Tablespoon (US)",  "tablespoon",                "tbsp; tbsps; tbs; tbl",    ""},
    {"Cooking", "Fluid ounce (US)", "fluid ounce",               "fl oz; floz; oz",          ""},
    {"Cooking", "Cup (US)",         "cup",                       "",                         ""},
    {"Cooking", "Cubic inch",       "cubic inch",                "cu in; in³",               ""},
    {"Cooking", "Pint (US)",        "pint",                      "pt; pts",                  ""},
    {"Cooking", "Quart (US)",       "quart",                     "qt; qts",                  ""},
    {"Cooking", "Liter",            "liter; litre",              "l",                        ""},
    {"Cooking", "Gallon (US)",      "gallon",                    "gal; gals",                ""},

    // Energy
    {"Energy", "Megajoule (MJ)",       "megajoule",                      "",                 "MJ"},
    {"Energy", "Kilojoule (kJ)",       "kilojoule",                      "",                 ""},
    {"Energy", "Joule (J)",            "joule",                          "",                 ""},
    {"Energy", "Megacalorie (Mcal)",   "megacalorie",                    "",                 "Mcal"},
    {"Energy", "Kilocalorie (kcal)",   "kilocalorie",                    "",                 ""},
    {"Energy", "Calorie (cal)",        "calorie",                        "",                 ""},
    {"Energy", "Kilowatt hour (kW*h)", "kilowatt hour; kilowatt-hour",   "kWh; kW h; kW·h",  ""},
    {"Energy", "Watt hour (W*h)",      "watt hour; watt-hour",           "Wh; W h; W·h",     ""},
    {"Energy", "Watt second (W*s)",    "watt second; watt-second",       "Ws; W s; W·s",     ""},

    // Frequency
    {"Frequency", "Cycle/second",      "cycle per second; cycle/second",       "cps; c/s",              ""},
    {"Frequency", "Degree/hour",       "degree per hour",                      "°/h; deg/h",            ""},
    {"Frequency", "Degree/minute",     "degree per minute",                    "°/min; deg/min",        ""},
    {"Frequency", "Degree/second",     "degree per second",                    "°/s; deg/s",            ""},
    {"Frequency", "Millihertz",        "",                                     "millihertz",            "mHz"},
    {"Frequency", "Hertz",             "",                                     "hertz; Hz",             ""},
    {"Frequency", "Kilohertz",         "",                                     "kilohertz; kHz",        ""},
    {"Frequency", "Megahertz",         "",                                     "megahertz",             "MHz"},
    {"Frequency", "Gigahertz",         "",                                     "gigahertz; GHz",        ""},
    {"Frequency", "Terrahertz",        "",                                     "terahertz; THz",        ""},
    {"Frequency", "Radian/hour",       "radian per hour",                      "rad/h",                 ""},
    {"Frequency", "Radian/minute",     "radian per minute",                    "rad/min",               ""},
    {"Frequency", "Radian/second",     "radian per second",                    "rad/s",                 ""},
    {"Frequency", "Revolution/hour",   "revolution per hour",                  "rph; rev/h",            ""},
    {"Frequency", "Revolution/minute", "revolution per minute",                "rpm; rev/min",          ""},
    {"Frequency", "Revolution/second", "revolution per second",                "rps; rev/s",            ""},

    // Length
    {"Length", "Kilometer (km)",  "kilometer; kilometre",                "",          ""},
    {"Length", "Meter (m)",       "meter; metre",                        "",          ""},
    {"Length", "Decimeter (dm)",  "decimeter; decimetre",                "",          ""},
    {"Length", "Centimeter (cm)", "centimeter; centimetre",              "",          ""},
    {"Length", "Millimeter (mm)", "millimeter; millimetre",              "",          ""},
    {"Length", "Micron",          "micron; micrometer; micrometre",      "µm",        ""},
    {"Length", "Nanometer (nm)",  "nanometer; nanometre",                "",          "nm"},
    {"Length", "Angstrom",        "angstrom; ångström",                  "Å; Å",      ""},
    {"Length", "Mile (mi)",       "mile",                                "",          ""},
    {"Length", "Yard (yd)",       "yard",                                "yds",       ""},
    {"Length", "Foot (ft)",       "foot",                                "",          ""},
    {"Length", "Inch (in)",       "inch",                                "",          ""},

    // Light
    {"Light", "Nit",         "nit",                                               "nt",           ""},
    {"Light", "Stilb",       "stilb",                                             "sb",           ""},
    {"Light", "Lambert",     "lambert",                                           "",             ""},
    {"Light", "Footlambert", "footlambert; foot-lambert; foot lambert",           "fL; ftL",      ""},
    {"Light", "Candela/m²",  "candela per square meter; candela per square metre", "cd/m²",       ""},
    {"Light", "Candela/cm²", "candela per square centimeter; candela per square centimetre", "cd/cm²", ""},
    {"Light", "Candela/ft²", "candela per square foot",                           "cd/ft²",       ""},
    {"Light", "Candela/in²", "candela per square inch",                           "cd/in²",       ""},

    // Power
    {"Power", "Megawatt (MW)",           "megawatt",                 "",              "MW"},
    {"Power", "Kilowatt (kW)",           "kilowatt",                 "",              ""},
    {"Power", "Watt (W)",                "watt",                     "",              ""},
    {"Power", "Kilocalories per second", "kilocalorie per second",   "kcal/s",        ""},
    {"Power", "Calories per second",     "calorie per second",       "cal/s",         ""},
    {"Power", "Horsepower (hp)",         "",                         "horsepower",    ""},
    {"Power", "Joule per second",        "joule per second",         "J/s",           ""},
    {"Power", "Joule per hour",          "joule per hour",           "J/h",           ""},

    // Pressure
    {"Pressure", "Bar",                            "bar",                                   "",                   ""},
    {"Pressure", "Kilopascal (kPa)",               "kilopascal",                            "",                   ""},
    {"Pressure", "Hectopascal (hPa)",              "hectopascal",                           "",                   ""},
    {"Pressure", "Millibar",                       "millibar",                              "mbar",               ""},
    {"Pressure", "Pascal (Pa)",                    "pascal",                                "",                   ""},
    {"Pressure", "Kg/square centimeter (kgf/cm²)", "kilogram per square centimeter",        "kg/cm²",             ""},
    {"Pressure", "Kg/square meter (kgf/m²)",       "kilogram per square meter",             "kg/m²",              ""},
    {"Pressure", "Kilopound/square inch (ksi)",    "kilopound per square inch",             "",                   ""},
    {"Pressure", "Pound/square inch (psi)",        "pound per square inch",                 "lb/in²; lbf/in²",    ""},
    {"Pressure", "Pound/square foot",              "pound per square foot",                 "psf; lb/ft²; lbf/ft²", ""},

    // Speed
    {"Speed", "Kilometer per second (km/s)", "kilometer per second; kilometre per second", "",                      ""},
    {"Speed", "Meter per second (m/s)",      "meter per second; metre per second",         "",                      ""},
    {"Speed", "Kilometer per hour",          "kilometer per hour; kilometre per hour",     "km/h; kph; kmh; km/hr", ""},
    {"Speed", "Meter per minute",            "meter per minute; metre per minute",         "m/min",                 ""},
    {"Speed", "Mile per second",             "mile per second",                            "mi/s",                  ""},
    {"Speed", "Mile per hour (mph)",         "mile per hour",                              "mi/h",                  ""},
    {"Speed", "Foot per second",             "foot per second",                            "ft/s; fps; ft/sec",     ""},

    // Temperature
    {"Temperature", "Celsius(°C)",   "", "celsius; centigrade; degree celsius; degrees celsius; degree C; degrees C; ° C; C; °C; degC; deg C; ℃",                    ""},
    {"Temperature", "Farenheit(°F)", "", "fahrenheit; farenheit; degree fahrenheit; degrees fahrenheit; degree F; degrees F; ° F; F; °F; degF; deg F; ℉",          ""},
    {"Temperature", "Kelvin(K)",     "kelvin", "K",                                                                                     ""},

    // Time
    {"Time", "Century",      "century",  "",                  ""},
    {"Time", "Week",         "week",     "wk; wks",           ""},
    {"Time", "Day",          "day",      "d",                 ""},
    {"Time", "Hour",         "hour",     "h; hr; hrs",        ""},
    {"Time", "Minute (min)", "minute",   "mins",              ""},
    {"Time", "Second (sec)", "second",   "s; secs",           ""},

    // Torque
    {"Torque", "Dyne Centimeters", "dyne centimeter; dyne-centimeter; dyne centimetre",
                                   "dyn·cm; dyn cm; dyn-cm; dyncm", ""},
    {"Torque", "Foot-Pounds",      "foot-pound; foot pound; pound-foot; pound foot",
                                   "ft-lb; ft·lb; ft lb; lb ft; lbf ft; ft-lbs; ft·lbf; ft-lbf; lbf·ft; lbf-ft; lb-ft; lb·ft", ""},
    {"Torque", "Inch-Pounds",      "inch-pound; inch pound; pound-inch",
                                   "in-lb; in·lb; in lb; in-lbs; in lbs; in·lbf; in-lbf; in lbf; lbf·in; lbf-in; lbf in; lb-in; lb·in; lb in", ""},
    {"Torque", "Kilogram-Meter",   "kilogram-meter; kilogram meter; kilogram-force meter",
                                   "kgf·m; kgf-m; kgf m; kg·m; kg-m; kg m", ""},
    {"Torque", "Meter-Newtons",    "newton meter; newton-meter; newton metre; meter-newton",
                                   "N·m; N-m; N m", "Nm"},

    // Volume
    {"Volume", "Cubic meter (m³)",          "cubic meter; cubic metre",             "cu m",           ""},
    {"Volume", "Cubic decimeter (dm³)",     "cubic decimeter; cubic decimetre",     "cu dm",          ""},
    {"Volume", "Cubic centimeter (cc)",     "cubic centimeter; cubic centimetre",   "cm³; cu cm",     ""},
    {"Volume", "Cubic millimeter (mm³)",    "cubic millimeter; cubic millimetre",   "cu mm",          ""},
    {"Volume", "Hectoliter (hl)",           "hectoliter; hectolitre",               "",               ""},
    {"Volume", "Decaliter",                 "decaliter; decalitre; dekaliter",      "dal",            ""},
    {"Volume", "Liter (l)",                 "liter; litre",                         "",               ""},
    {"Volume", "Deciliter (dl)",            "deciliter; decilitre",                 "",               ""},
    {"Volume", "Centiliter (cl)",           "centiliter; centilitre",               "",               ""},
    {"Volume", "Milliliter (ml)",           "milliliter; millilitre",               "",               ""},
    {"Volume", "Microliter (µl)",           "microliter; microlitre",               "",               ""},
    {"Volume", "Acre foot",                 "acre-foot; acre foot",                 "ac ft; ac-ft",   ""},
    {"Volume", "Cubic yard (yd³)",          "cubic yard",                           "cu yd",          ""},
    {"Volume", "Cubic foot (ft³)",          "cubic foot",                           "cu ft",          ""},
    {"Volume", "Cubic inch (in³)",          "cubic inch",                           "cu in",          ""},
    {"Volume", "Barrel (petroleum)",        "barrel",                               "bbl; bbls",      ""},
    {"Volume", "Gallon, liquid (gal) (US)", "gallon; liquid gallon",                "gals",           ""},
    {"Volume", "Quart, liquid (qt) (US)",   "quart; liquid quart",                  "qts",            ""},
    {"Volume", "Pint, liquid (pt) (US)",    "pint; liquid pint",                    "pts",            ""},
    {"Volume", "Fluid ounce (oz) (US)",     "fluid ounce",                          "fl oz; floz", ""},

    // Weight
    {"Weight", "Kilotonne",          "kilotonne",                      "",                   ""},
    {"Weight", "Tonne",              "tonne; metric ton",              "",                   "t"},
    {"Weight", "Centner",            "centner",                        "",                   ""},
    {"Weight", "Kilogram (kg)",      "kilogram; kilogramme; kilo",     "kgs",                ""},
    {"Weight", "Gram (g)",           "gram; gramme",                   "",                   ""},
    {"Weight", "Centigram",          "centigram",                      "cg",                 ""},
    {"Weight", "Milligram (mg)",     "milligram",                      "",                   ""},
    {"Weight", "Microgram (mcg)",    "microgram",                      "µg",                 ""},
    {"Weight", "Pound (lb) (Avoir)", "pound",                          "lbs",                ""},
    {"Weight", "Ounce (Avoir)",      "ounce",                          "oz",                 ""},
    {"Weight", "Newton (N)",         "newton",                         "",                   ""},
    {"Weight", "Carat",              "carat",                          "ct",                 ""},
};

// Names of units this converter does not have: a query naming one is told so rather
// than matched with a name that looks alike ("knot" is not "kt", "ms" is not "m/s").
constexpr MissingUnit kUnitsNotHere[]{
    {"knot; knots; kn; kt", "km/h; mph"},
    {"nautical mile; nautical miles; nmi", "km; mi"},
    {"atm; atmosphere; atmospheres", "bar; kPa"},
    {"torr; mmhg; inhg", "kPa; psi"},
    {"btu; btus", "kJ; kcal"},
    {"therm; therms", "MJ; kWh"},
    {"year; years; yr; yrs; month; months", "week; century"},
    {"millisecond; milliseconds; ms; microsecond; microseconds; nanosecond; nanoseconds", "s"},
    {"ton; tons; short ton; short tons; long ton; long tons", "t; lb"},
    {"stone; stones; st", "kg; lb"},
    {"grain; grains; gr", "mg; ct"},
    {"furlong; furlongs", "mi; yd"},
    {"hand; hands", "in; cm"},
    {"light year; light years; lightyear; lightyears; ly; parsec; parsecs", "km; mi"},
    {"lux; lx; footcandle; footcandles; foot-candle; foot-candles; fc; lumen; lumens", "cd/m²; fL"},
    {"terabyte; terabytes; tb; tebibyte; tebibytes; tib", "GB; Gb"},
    {"rankine", "K; °F"},
    {"ampere; amperes; amp; amps; volt; volts; ohm; ohms; tesla; T", ""},
    {"imperial gallon; imperial gallons; imperial pint; imperial pints", "l; gal"},
};
// clang-format on

// Names held by two tabs: "liter", "gallon", "pint", "ml", "cu in", "fl oz" ... are
// units of Volume, which holds the metric and US measures, and of Cooking, which
// repeats them for the kitchen; "minute" and "second" are units of time before units of
// angle ("arcmin" asks for the angle); "oz" alone is an ounce of weight ("fl oz" is the
// fluid ounce, and so is "oz" beside a unit of volume); a query's marks of feet and
// inches (5′11″) are units of length before the angle's minute and second. A query whose other unit
// belongs to one tab only ("2 l to cup") needs no rule.
constexpr ClashRule kClashRules[]{
    {"Volume", "Cooking", "cup"}, {"Time", "Angle", "deg"},      {"Weight", "Volume", "ml"},
    {"Weight", "Cooking", "cup"}, {"Length", "Angle", "arcmin"},
};

}  // namespace

std::span<const UnitNameRow> UnitNameRows()
{
    return kUnitNameRows;
}

std::span<const ClashRule> ClashRules()
{
    return kClashRules;
}

std::span<const MissingUnit> MissingUnits()
{
    return kUnitsNotHere;
}

}  // namespace convert
