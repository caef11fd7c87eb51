#include "res/app_resources.h"

#include "convert/unit_names.h"
#include "res/converter_templates.h"
#include "res/strings.h"

namespace res {
namespace {

// What tells one of the two window programs from the other: its name, desktop entry
// and command. Its pictures, templates, version and the rest of its help are shared.
struct Program {
    std::string_view title;
    std::string_view desktopId;
    std::string_view command;
    std::string_view description;
    std::string_view tryHelp;
    std::string_view noDisplay;
    // The names a list's items answer to besides their texts (AppResources).
    int (*itemNamed)(int templateId, int controlId, std::string_view text) = nullptr;
    std::vector<std::string> (*itemNames)(int templateId, int controlId, int item) = nullptr;
};

// A converter tab's unit list takes every name of a unit that queries take.
int UnitNamedInList(int templateId, int controlId, std::string_view text)
{
    const UnitControls* tab = UnitControlsOf(templateId, controlId);
    return tab != nullptr ? convert::UnitNamed(tab->caption, text) : -1;
}

std::vector<std::string> UnitNamesInList(int templateId, int controlId, int unit)
{
    const UnitControls* tab = UnitControlsOf(templateId, controlId);
    return tab != nullptr ? convert::UnitNames(tab->caption, unit) : std::vector<std::string>{};
}

constexpr framework::AppResources ResourcesOf(const Program& program)
{
    return {program.title,
            program.desktopId,
            ":/velkari",
            &FindDialogTemplate,
            framework::ProgramInfo{.name = program.command,
                                   .version = kProgramVersion,
                                   .title = program.title,
                                   .versionText = kVersionText,
                                   .description = program.description,
                                   .helpFooter = kHelpFooter,
                                   .helpOption = kHelpOption,
                                   .versionOption = kVersionOption,
                                   .unexpectedArgument = kUnexpectedArgument,
                                   .tryHelp = program.tryHelp,
                                   .noDisplay = program.noDisplay},
            program.itemNamed,
            program.itemNames};
}

}  // namespace

// The desktop ids come from the build, which names the installed desktop entries too.
const framework::AppResources& AppResources()
{
    static constexpr framework::AppResources kResources =
        ResourcesOf({kApplicationTitle, VELKARI_APP_ID, kProgramName, kHelpDescription, kTryHelp,
                     kNoDisplay, &UnitNamedInList, &UnitNamesInList});
    return kResources;
}

const framework::AppResources& ChemistryAppResources()
{
    static constexpr framework::AppResources kResources =
        ResourcesOf({kChemistryTitle, VELKARI_CHEMISTRY_APP_ID, kChemistryProgramName,
                     kChemistryHelpDescription, kChemistryTryHelp, kChemistryNoDisplay});
    return kResources;
}

}  // namespace res
