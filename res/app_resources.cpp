#include "res/app_resources.h"

#include "res/strings.h"

namespace res {

const framework::AppResources& AppResources()
{
    // VELKARI_APP_ID comes from the build, which names the installed desktop entry too.
    static constexpr framework::AppResources kResources{kApplicationTitle, VELKARI_APP_ID,
                                                        ":/velkari", &FindDialogTemplate};
    return kResources;
}

const framework::AppResources& ChemistryAppResources()
{
    static constexpr framework::AppResources kResources{
        kChemistryTitle, VELKARI_CHEMISTRY_APP_ID, ":/velkari", &FindDialogTemplate};
    return kResources;
}

}  // namespace res
