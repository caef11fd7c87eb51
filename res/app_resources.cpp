#include "res/app_resources.h"

#include "res/strings.h"

namespace res {

const framework::AppResources& AppResources()
{
    // VELKARI_APP_ID comes from the build, which names the installed desktop entry too.
    static constexpr framework::AppResources kResources{
        kApplicationTitle, VELKARI_APP_ID, ":/velkari", &FindDialogTemplate,
        framework::ProgramInfo{.name = kProgramName,
                               .version = kProgramVersion,
                               .title = kApplicationTitle,
                               .versionText = kVersionText,
                               .description = kHelpDescription,
                               .helpFooter = kHelpFooter,
                               .helpOption = kHelpOption,
                               .versionOption = kVersionOption,
                               .unexpectedArgument = kUnexpectedArgument,
                               .tryHelp = kTryHelp,
                               .noDisplay = kNoDisplay}};
    return kResources;
}

const framework::AppResources& ChemistryAppResources()
{
    static constexpr framework::AppResources kResources{
        kChemistryTitle, VELKARI_CHEMISTRY_APP_ID, ":/velkari", &FindDialogTemplate,
        framework::ProgramInfo{.name = kChemistryProgramName,
                               .version = kProgramVersion,
                               .title = kChemistryTitle,
                               .versionText = kVersionText,
                               .description = kChemistryHelpDescription,
                               .helpFooter = kHelpFooter,
                               .helpOption = kHelpOption,
                               .versionOption = kVersionOption,
                               .unexpectedArgument = kUnexpectedArgument,
                               .tryHelp = kChemistryTryHelp,
                               .noDisplay = kChemistryNoDisplay}};
    return kResources;
}

}  // namespace res
