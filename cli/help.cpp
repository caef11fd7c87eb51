#include "cli/help.h"

#include <ostream>

#include "cli/chemistry_commands.h"

namespace cli {
namespace {

constexpr std::string_view kUsageLines =
    R"help(Usage: velkari-cli QUERY... [--to UNIT]... [OPTION]...
  or:  velkari-cli - [--to UNIT]... [OPTION]...
  or:  velkari-cli CATEGORY VALUE UNIT [--to UNIT]... [OPTION]...
  or:  velkari-cli CATEGORY - UNIT [--to UNIT]... [OPTION]...
  or:  velkari-cli --list [CATEGORY]
  or:  velkari-cli --names CATEGORY|element
)help";

constexpr std::string_view kConversionHelp =
    R"help(  or:  velkari-cli --help|--version

Converts a QUERY as people write it: an amount, then, if wanted, "to", "in",
"as", "into", "->" or "=" and the units to convert into, or just one unit:

  velkari-cli 3 ft to m          feet into metres
  velkari-cli 350F               Fahrenheit into Celsius and Kelvin
  velkari-cli 5 ft 3 in to cm    a sum of two lengths, in centimetres
  velkari-cli 1 1/2 cups in ml   a whole number and a fraction
  velkari-cli 100 lbs kg         the target without "to"
  velkari-cli 2 kWh              into every unit of Energy

The category is the one that holds the units named. A name of two categories
(gallon: Cooking and Volume; minute: Angle and Time) is settled by the other
unit named, else by a fixed preference, and then standard error says which
category was used and how to ask for the other. Without a target, every unit
of the category. The results are those of the category form below, and the
options apply alike; json names the category used. Temperature has no number
form to choose: a query of it ignores --decimals and --scientific, and standard
error says so. With QUERY "-", every line of standard input is a query,
answered as it would be alone as soon as it is read; tsv and csv write one
table, a row per result (the query, value, unit and Temperature's formula), and
json one object a line, each naming its query.

The category form converts VALUE from UNIT into every unit of CATEGORY, as the
window's tab of that name does, and prints one line per unit: the value, a
tab, the unit.

  CATEGORY           a tab caption, in any case: Angle, Area,
                     "Computer Storage", Cooking, Energy, Frequency, Length,
                     Light, Power, Pressure, Speed, Temperature, Time, Torque,
                     Volume, Weight
  VALUE              a plain decimal number such as 12.5, -3 or 1e-4 ("." is
                     the decimal point); "-" reads the values from standard
                     input, one a line
  UNIT               a unit's index (from 0), name or abbreviation, in any
                     case, with 2, 3 and u for the squared, cubed and micro
                     signs: "Foot (ft)", foot, ft, feet, m2, m^2, ul, degC;
                     --list CATEGORY shows the units

Options:
  --to UNIT          only this unit; given again, each unit in the order given
  --format FORMAT    plain (the default), tsv, csv or json
  --decimals N       0 to 5 digits after the decimal point (five by default)
  --scientific       every value in exponent form
  --list [CATEGORY]  the categories, or the units of one with their indices
  --names WHAT       every name UNIT accepts in category WHAT, or with WHAT
                     "element" the element symbols
  --help             this help
  --version          the program's name and version
  --                 what follows is not an option: velkari-cli -- Angle -5 0

Values below 0.0001 (zero and negatives included) or above 10000000 are written
in exponent form. Temperature prints the two other scales with three decimals,
then the two formulas it used; --decimals and --scientific do not apply to it.

With one --to, plain output is the value alone. tsv and csv write a header row,
then the value and unit of each result (and its formula for Temperature); csv
quotes a field that holds a comma or a quote. json writes one object: the
category, the value and unit read, decimals, scientific, and the results, each
with its unit, its text as plain shows it and its full-precision value (null
when it is beyond the range of a double); Temperature adds its formulas.

With VALUE "-", every line of standard input is one value (blanks around it
ignored, empty lines skipped), converted as it would be alone. With one --to:
one line per value, or one JSON object a line. Otherwise plain writes each
value's lines and an empty line, tsv and csv a row per value under a header of
the unit names, json one object a line. A line that is not a number stops the
run with its line number; everything before it has been written.

An argument refused exits with status 2 and says why on standard error; output
that cannot be written, with status 1.

)help";

}  // namespace

void WriteUsage(std::ostream& out)
{
    out << kUsageLines << kChemistryCommands << kConversionHelp << kChemistryHelp;
}

}  // namespace cli
