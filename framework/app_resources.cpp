#include "framework/app_resources.h"

namespace framework {
namespace {

AppResources& Registered()
{
    static AppResources resources{};
    return resources;
}

}  // namespace

void RegisterAppResources(const AppResources& resources)
{
    Registered() = resources;
}

const AppResources& GetAppResources()
{
    return Registered();
}

const DialogTemplate* FindDialogTemplate(int id)
{
    const auto find = Registered().findTemplate;
    return find != nullptr ? find(id) : nullptr;
}

}  // namespace framework
