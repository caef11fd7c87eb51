#include "cli/help.h"

#include <ostream>

#include "cli/chemistry_commands.h"

namespace cli {
namespace {

constexpr std::string_view kUsageLines =
    R"help(Usage: velkari-cli CATEGORY VALUE UNIT [--to UNIT]... [OPTION]...
  or:  velkari-cli CATEGORY - UNIT [--to UNIT]... [OPTION]...
  or:  velkari-cli --list [CATEGORY]
  or:  velkari-cli --names CATEGORY|element
)help";

constexpr std::string_view kConversionHelp =
    R"help(  or:  velkari-cli --help|--version

Converts VALUE from UNIT into every unit of CATEGORY, as the window's tab of
that name does, and prints one line per unit: the value, a tab, the unit.

  CATEGORY           a tab caption, in any case: Angle, Area,
                     "Computer Storage", Cooking, Energy, Frequency, Length,
                     Light, Power, Pressure, Speed, Temperature, Time, Torque,
                     Volume, Weight
  VALUE              a plain decimal number such as 12.5, -3 or 1e-4 ("." is
                     the decimal point); Energy takes a whole number; "-" reads
                     the values from standard input, one a line
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
that cannot be written, with status 1 (see the manual page).

)help";

}  // namespace

void WriteUsage(std::ostream& out)
{
    out << kUsageLines << kChemistryCommands << kConversionHelp << kChemistryHelp;
}

}  // namespace cli
