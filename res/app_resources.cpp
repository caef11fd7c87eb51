#include "res/app_resources.h"

#include "res/icons.h"
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
    const framework::CompiledIcon* icon;  // its window's
};

constexpr framework::AppResources ResourcesOf(const Program& program, TemplateFinder findTemplate)
{
    framework::AppResources resources{
        program.title, program.desktopId, ":/velkari", findTemplate,
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
                               .noDisplay = program.noDisplay}};
    resources.copyTable = kCopyTable;
    resources.icons = std::span(program.icon, 1);
    return resources;
}

}  // namespace

// The desktop ids come from the build, which names the installed desktop entries too.
framework::AppResources AppResources(TemplateFinder findTemplate)
{
    return ResourcesOf({kApplicationTitle, VELKARI_APP_ID, kProgramName, kHelpDescription, kTryHelp,
                        kNoDisplay, &kConverterIcon},
                       findTemplate);
}

framework::AppResources ChemistryAppResources(TemplateFinder findTemplate)
{
    return ResourcesOf(
        {kChemistryTitle, VELKARI_CHEMISTRY_APP_ID, kChemistryProgramName,
         kChemistryHelpDescription, kChemistryTryHelp, kChemistryNoDisplay, &kChemistryIcon},
        findTemplate);
}

}  // namespace res
