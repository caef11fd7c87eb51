// The order in which the desktop search offers a query's answers when the query names
// no target unit ("3 ft", "1 gallon"): the answers a person most likely wants first.
//
// The rule, each step breaking the ties of the one before:
//  1. Values that read well: a plain number from 0.01 up to below 100000 (or zero)
//     first, then other plain numbers (0.00069, 914400.00000), then those only written
//     in "%e" form (1.901300e-08).
//  2. The units people use most: everyday units (metre, inch, litre, kilogram, second),
//     then common ones (millimetre, yard, pint), then specialist ones (decimetre,
//     angstrom, kilotonne, newton).
//  3. The other measuring system first: from a US or imperial unit the metric units
//     come first, from a metric unit the US and imperial ones; units of neither system
//     (the second, the newton, the byte) come between.
//  4. A value from 1 up to below 1000 before other values that read well ("60
//     Second" before "0.01667 Hour").
//  5. The tab's own order.
// A query that names its targets keeps them in the order asked; this ranks only the
// tab's units offered for a bare amount.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "convert/query.h"

namespace convert {

enum class MeasuringSystem {
    Metric,     // the metre, the litre, the kilogram, the pascal, degrees Celsius
    Customary,  // the US and imperial units: the foot, the gallon, the pound, the psi
    Neither,    // units both systems share or that belong to none: the second, the byte
};

enum class UnitUse {
    Everyday,    // what most people would say: metre, inch, litre, kilogram, second
    Common,      // well known but less asked for: millimetre, yard, pint, joule
    Specialist,  // trades and sciences: decimetre, angstrom, kilotonne, gradient
};

struct UnitRanking {
    MeasuringSystem system;
    UnitUse use;
};

// How the rule sees a unit of a tab, by the tab's caption and the unit's label; empty
// for a label the table does not know (the rule then takes it for a specialist unit of
// neither system).
std::optional<UnitRanking> RankingOf(std::string_view caption, std::string_view label);

// The query's answers in the order above. `query` is the query they answer (its tab and
// the unit typed); answers of a query with targets come back unchanged.
std::vector<QueryAnswer> RankAnswers(const ParsedQuery& query, std::vector<QueryAnswer> answers);

}  // namespace convert
