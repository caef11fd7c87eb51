#include "cli/listing.h"

#include <ostream>

#include "chem/elements.h"
#include "cli/cli.h"
#include "cli/plan.h"
#include "cli/text.h"

namespace cli {

void WriteList(std::span<const std::string_view> words, std::ostream& out)
{
    if (words.empty()) {
        for (const convert::Category* category : convert::kConverterCategories) {
            out << category->caption << '\n';
            if (category == &convert::kSpeed) {
                out << kTemperature << '\n';  // between Speed and Time, as on the tabs
            }
        }
        return;
    }
    if (words.size() > 1) {
        throw Refusal{"--list takes at most one category"};
    }
    const convert::UnitTexts units = TextsOf(RequireTab(words[0]));
    for (std::size_t i = 0; i < units.labels.size(); ++i) {
        out << i << '\t' << Trim(units.listItems[i]) << '\n';
    }
}

void WriteNames(std::span<const std::string_view> words, std::ostream& out)
{
    if (words.size() != 1) {
        throw Refusal{"--names takes one category, or \"element\""};
    }
    if (SameName(words[0], "element")) {
        for (int row = 0; row < chemistry::kElementCount; ++row) {
            out << chemistry::FindElement(row)->symbol << '\n';
        }
        return;
    }
    const convert::UnitTexts units = TextsOf(RequireTab(words[0]));
    for (std::size_t unit = 0; unit < units.labels.size(); ++unit) {
        const std::string_view item = Trim(units.listItems[unit]);
        out << item << '\n';
        for (const std::string& name : convert::NamesOfUnit(units, convert::UnitAliases(), unit)) {
            if (name != convert::FoldName(item)) {
                out << name << '\n';
            }
        }
    }
}

}  // namespace cli
