#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kFoot;
using definitions::kInch;
using definitions::kPi;

// clang-format off
constexpr std::string_view kLightLabels[]{
    "Nit",
    "Stilb",
    "Lambert",
    "Footlambert",
    "Candela/m²",
    "Candela/cm²",
    "Candela/ft²",
    "Candela/in²",
};

// The unit list keeps its own spelling where it differs from the label.
constexpr std::string_view kLightListItems[]{
    "Nit",
    "Stilb",
    "Lambert",
    "Footlambert",
    "Candela / m²",
    "Candela / cm²",
    "Candela / ft²",
    "Candela / in²",
};

// One of each unit in candelas per square metre (SI), the nit. A stilb is one candela
// per cm²; a lambert is 1/π cd/cm² and a footlambert 1/π cd/ft² (CIE, NIST SP 811).
constexpr double kLightSizes[]{
    1,                          // Nit: 1 cd/m²
    1e4,                        // Stilb: 1 cd/cm²
    1e4 / kPi,                  // Lambert: 1/π cd/cm²
    1 / (kPi * kFoot * kFoot),  // Footlambert: 1/π cd/ft²
    1,                          // Candela/m²: the SI unit
    1e4,                        // Candela/cm²
    1 / (kFoot * kFoot),        // Candela/ft²
    1 / (kInch * kInch),        // Candela/in²
};
// clang-format on

static_assert(std::size(kLightSizes) == std::size(kLightLabels));
static_assert(std::size(kLightListItems) == std::size(kLightLabels));

}  // namespace

const Category kLight{"Light", kLightLabels, kLightListItems, ValueKind::Real, kLightSizes};

}  // namespace convert
