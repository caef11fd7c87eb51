#include "convert/categories.h"
#include "convert/tables/definitions.h"

namespace convert {
namespace {

using definitions::kCubicInch;
using definitions::kUsFluidDram;
using definitions::kUsFluidOunce;
using definitions::kUsGallon;

// clang-format off
constexpr std::string_view kCookingLabels[]{
    "Drop",
    "Dash",
    "Pinch",
    "Milliliter",
    "Deciliter",
    "Coffee spoon",
    "Fluid dram",
    "Teaspoon (US)",
    "Tablespoon (US)",
    "Fluid ounce (US)",
    "Cup (US)",
    "Cubic inch",
    "Pint (US)",
    "Quart (US)",
    "Liter",
    "Gallon (US)",
};

// One of each unit in cubic metres (SI). The US measures come from the US liquid gallon
// of 231 in³ (NIST Handbook 44): a cup is 1/16 gallon, a tablespoon half a fluid ounce, a
// teaspoon a third of a tablespoon. Drop, dash, pinch and coffee spoon have no standard;
// they keep this product's kitchen ratios, 57 drops to the fluid dram, a dash of 4.75
// drops, a pinch of 9.5 and a coffee spoon of 19.
constexpr double kCookingSizes[]{
    kUsFluidDram / 57,         // Drop: 1/57 fluid dram
    kUsFluidDram / 57 * 4.75,  // Dash: 4.75 drops
    kUsFluidDram / 57 * 9.5,   // Pinch: 9.5 drops
    1e-6,                      // Milliliter: 1 cm³ (SI, 1964)
    1e-4,                      // Deciliter: 100 cm³
    kUsFluidDram / 3,          // Coffee spoon: 19 drops, 1/3 fluid dram
    kUsFluidDram,              // Fluid dram (US): 1/8 fluid ounce
    kUsFluidOunce / 6,         // Teaspoon (US): 1/6 fluid ounce
    kUsFluidOunce / 2,         // Tablespoon (US): 1/2 fluid ounce
    kUsFluidOunce,             // Fluid ounce (US): 1/128 gallon
    kUsGallon / 16,            // Cup (US): 8 fluid ounces
    kCubicInch,                // Cubic inch: (0.0254 m)³
    kUsGallon / 8,             // Pint (US): 16 fluid ounces
    kUsGallon / 4,             // Quart (US): 2 pints
    1e-3,                      // Liter: 1 dm³ (SI, 1964)
    kUsGallon,                 // Gallon (US): 231 in³
};
// clang-format on

static_assert(std::size(kCookingSizes) == std::size(kCookingLabels));

}  // namespace

const Category kCooking{"Cooking", kCookingLabels, kCookingLabels, ValueKind::Real, kCookingSizes};

}  // namespace convert
