// The converter tabs' templates. All fifteen factor-table pages share one layout:
// value box, unit list, check box and decimals list on the left, "=" beside the unit
// list, and the values and labels boxes side by side in a frame on the right, as tall
// as the page has units and as wide as its longest label.
#include "pages/convert/converter_templates.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "convert/categories.h"
#include "pages/page_templates.h"
#include "res/resource.h"

namespace pages {

using namespace framework;

namespace {

struct ConverterLayout {
    int templateId;
    const convert::Category* category;
    int value;
    int unit;
    int scientific;
    int decimals;
    int equals;
    int values;
    int labels;
    int heading;  // bitmap: "<caption> Converter" in bold
    unsigned equalsStyle = kDefaultButton;
    std::string_view decimalsLabel = "Decimal Places";
    std::string_view note = {};  // a line of explanation below the decimals list
};

constexpr std::string_view kWeightNote =
    "* Avoirdupois (Avoir) : Is the weight system for commerce, which is the most common "
    "weight system.";

// clang-format off
constexpr ConverterLayout kLayouts[]{
    // template, category; value, unit, scientific, decimals; "=", values, labels, heading
    {IDD_ANGLE, &convert::kAngle,
     IDC_ANGLE_VALUE, IDC_ANGLE_UNIT, IDC_ANGLE_SCIENTIFIC, IDC_ANGLE_DECIMALS,
     IDC_ANGLE_EQUALS, IDC_ANGLE_VALUES, IDC_ANGLE_NAMES, IDB_ANGLE},
    {IDD_AREA, &convert::kArea,
     IDC_AREA_VALUE, IDC_AREA_UNIT, IDC_AREA_SCIENTIFIC, IDC_AREA_DECIMALS,
     IDC_AREA_EQUALS, IDC_AREA_VALUES, IDC_AREA_NAMES, IDB_AREA},
    {IDD_STORAGE, &convert::kComputerStorage,
     IDC_STORAGE_VALUE, IDC_STORAGE_UNIT, IDC_STORAGE_SCIENTIFIC, IDC_STORAGE_DECIMALS,
     IDC_STORAGE_EQUALS, IDC_STORAGE_VALUES, IDC_STORAGE_NAMES, IDB_STORAGE},
    {IDD_COOKING, &convert::kCooking,
     IDC_COOKING_VALUE, IDC_COOKING_UNIT, IDC_COOKING_SCIENTIFIC, IDC_COOKING_DECIMALS,
     IDC_COOKING_EQUALS, IDC_COOKING_VALUES, IDC_COOKING_NAMES, IDB_COOKING},
    {IDD_ENERGY, &convert::kEnergy,
     IDC_ENERGY_VALUE, IDC_ENERGY_UNIT, IDC_ENERGY_SCIENTIFIC, IDC_ENERGY_DECIMALS,
     IDC_ENERGY_EQUALS, IDC_ENERGY_VALUES, IDC_ENERGY_NAMES, IDB_ENERGY},
    {IDD_FREQUENCY, &convert::kFrequency,
     IDC_FREQUENCY_VALUE, IDC_FREQUENCY_UNIT, IDC_FREQUENCY_SCIENTIFIC, IDC_FREQUENCY_DECIMALS,
     IDC_FREQUENCY_EQUALS, IDC_FREQUENCY_VALUES, IDC_FREQUENCY_NAMES, IDB_FREQUENCY},
    {IDD_LENGTH, &convert::kLength,
     IDC_LENGTH_VALUE, IDC_LENGTH_UNIT, IDC_LENGTH_SCIENTIFIC, IDC_LENGTH_DECIMALS,
     IDC_LENGTH_EQUALS, IDC_LENGTH_VALUES, IDC_LENGTH_NAMES, IDB_LENGTH},
    {IDD_LIGHT, &convert::kLight,
     IDC_LIGHT_VALUE, IDC_LIGHT_UNIT, IDC_LIGHT_SCIENTIFIC, IDC_LIGHT_DECIMALS,
     IDC_LIGHT_EQUALS, IDC_LIGHT_VALUES, IDC_LIGHT_NAMES, IDB_LIGHT},
    {IDD_POWER, &convert::kPower,
     IDC_POWER_VALUE, IDC_POWER_UNIT, IDC_POWER_SCIENTIFIC, IDC_POWER_DECIMALS,
     IDC_POWER_EQUALS, IDC_POWER_VALUES, IDC_POWER_NAMES, IDB_POWER},
    {IDD_PRESSURE, &convert::kPressure,
     IDC_PRESSURE_VALUE, IDC_PRESSURE_UNIT, IDC_PRESSURE_SCIENTIFIC, IDC_PRESSURE_DECIMALS,
     IDC_PRESSURE_EQUALS, IDC_PRESSURE_VALUES, IDC_PRESSURE_NAMES, IDB_PRESSURE},
    {IDD_SPEED, &convert::kSpeed,
     IDC_SPEED_VALUE, IDC_SPEED_UNIT, IDC_SPEED_SCIENTIFIC, IDC_SPEED_DECIMALS,
     IDC_SPEED_EQUALS, IDC_SPEED_VALUES, IDC_SPEED_NAMES, IDB_SPEED},
    {IDD_TIME, &convert::kTime,
     IDC_TIME_VALUE, IDC_TIME_UNIT, IDC_TIME_SCIENTIFIC, IDC_TIME_DECIMALS,
     IDC_TIME_EQUALS, IDC_TIME_VALUES, IDC_TIME_NAMES, IDB_TIME},
    {IDD_TORQUE, &convert::kTorque,
     IDC_TORQUE_VALUE, IDC_TORQUE_UNIT, IDC_TORQUE_SCIENTIFIC, IDC_TORQUE_DECIMALS,
     IDC_TORQUE_EQUALS, IDC_TORQUE_VALUES, IDC_TORQUE_NAMES, IDB_TORQUE, kNone},
    {IDD_VOLUME, &convert::kVolume,
     IDC_VOLUME_VALUE, IDC_VOLUME_UNIT, IDC_VOLUME_SCIENTIFIC, IDC_VOLUME_DECIMALS,
     IDC_VOLUME_EQUALS, IDC_VOLUME_VALUES, IDC_VOLUME_NAMES, IDB_VOLUME,
     kDefaultButton, "Significant Figures"},
    {IDD_WEIGHT, &convert::kWeight,
     IDC_WEIGHT_VALUE, IDC_WEIGHT_UNIT, IDC_WEIGHT_SCIENTIFIC, IDC_WEIGHT_DECIMALS,
     IDC_WEIGHT_EQUALS, IDC_WEIGHT_VALUES, IDC_WEIGHT_NAMES, IDB_WEIGHT,
     kDefaultButton, "Decimal Places", kWeightNote},
};
// clang-format on

constexpr std::string_view kDecimalItems[]{"0", "1", "2", "3", "4", "5"};

// One line of the output boxes is 8 dialog units high; an average character 4 wide.
constexpr int kLineHeight = 8;
constexpr int kCharWidth = 4;
constexpr int kMinimumLabelsWidth = 88;
constexpr int kMinimumPageWidth = 406;
constexpr int kPageHeight = 209;

// Left to right: the page's outer frame, the output frame around the values and labels
// boxes, the labels box. The output frame ends kOutputPadding right of the labels, the
// outer frame kOuterMargin right of the output frame.
constexpr int kOuterFrameLeft = 6;
constexpr int kOutputFrameLeft = 221;
constexpr int kLabelsLeft = 299;
constexpr int kOutputPadding = 5;
constexpr int kOuterMargin = 7;

// A template built at run time. Its controls and dialog point into its own texts, so
// it is neither copied nor moved.
struct BuiltTemplate {
    BuiltTemplate() = default;
    BuiltTemplate(const BuiltTemplate&) = delete;
    BuiltTemplate& operator=(const BuiltTemplate&) = delete;
    BuiltTemplate(BuiltTemplate&&) = delete;
    BuiltTemplate& operator=(BuiltTemplate&&) = delete;
    ~BuiltTemplate() = default;

    std::string headingText;  // what the heading picture says, for a screen reader
    std::vector<ControlTemplate> controls;
    DialogTemplate dialog{};
};

int LabelsWidth(const convert::Category& category)
{
    std::size_t longest = 0;
    for (const std::string_view label : category.labels) {
        longest = std::max(longest, label.size());
    }
    return std::max(kMinimumLabelsWidth, static_cast<int>(longest) * kCharWidth);
}

void Build(const ConverterLayout& l, BuiltTemplate& out)
{
    const convert::Category& category = *l.category;
    const int units = static_cast<int>(category.labels.size());
    const int boxHeight = units * kLineHeight;
    const int labelsWidth = LabelsWidth(category);
    const int groupRight = kLabelsLeft + labelsWidth + kOutputPadding;
    const int frameWidth = groupRight + kOuterMargin - kOuterFrameLeft;
    out.headingText = std::string(category.caption) + " Converter";

    out.controls = {
        {ControlKind::Edit, l.value, {15, 19, 23, 14}, "Value"},
        {ControlKind::ComboBox, l.unit, {47, 19, 133, 75}, "Unit", kNone, category.listItems},
        {ControlKind::CheckBox, l.scientific, {15, 44, 73, 10}, "Scientific Notation"},
        {ControlKind::ComboBox,
         l.decimals,
         {15, 58, 31, 76},
         l.decimalsLabel,
         kNone,
         kDecimalItems},
        {ControlKind::PushButton, l.equals, {185, 19, 31, 14}, "=", l.equalsStyle},
        {ControlKind::Edit,
         l.values,
         {231, 22, 67, boxHeight},
         "Converted values",
         kMultiLine | kReadOnly | kNoBorder | kScrollsTogether | kTableColumn},
        {ControlKind::Edit,
         l.labels,
         {kLabelsLeft, 22, labelsWidth, boxHeight + 1},
         "Units",
         kMultiLine | kReadOnly | kNoBorder | kScrollsTogether | kTableColumn},
        {ControlKind::GroupBox,
         kNoId,
         {kOutputFrameLeft, 16, groupRight - kOutputFrameLeft, boxHeight + 11}},
        {ControlKind::Static, kNoId, {51, 60, 70, 8}, l.decimalsLabel},
        {ControlKind::GroupBox, kNoId, {kOuterFrameLeft, 3, frameWidth, 199}},
        {ControlKind::Picture, kNoId, {15, 3, 72, 10}, out.headingText, kNone, {}, l.heading},
    };
    if (!l.note.empty()) {
        out.controls.push_back({ControlKind::Static, kNoId, {15, 80, 200, 24}, l.note});
    }
    out.dialog = {l.templateId, category.caption, std::max(kMinimumPageWidth, frameWidth + 13),
                  kPageHeight,  "MS Sans Serif",  8,
                  out.controls};
}

const std::array<BuiltTemplate, std::size(kLayouts)>& Templates()
{
    // Built in place and never moved: each template's controls point into its own texts.
    static std::array<BuiltTemplate, std::size(kLayouts)> all;
    [[maybe_unused]] static const bool built = [] {
        for (std::size_t i = 0; i < all.size(); ++i) {
            Build(kLayouts[i], all[i]);
        }
        return true;
    }();
    return all;
}

std::span<const UnitControls> AllUnitControls()
{
    static const auto all = [] {
        std::array<UnitControls, std::size(kLayouts) + 1> controls{};
        for (std::size_t i = 0; i < std::size(kLayouts); ++i) {
            const ConverterLayout& l = kLayouts[i];
            controls[i] = {l.category->caption, l.templateId, l.value,  l.unit,   l.equals,
                           l.scientific,        l.decimals,   l.values, l.labels, 0};
        }
        controls.back() = {FindDialogTemplate(IDD_TEMPERATURE)->title,
                           IDD_TEMPERATURE,
                           IDC_TEMPERATURE_VALUE,
                           IDC_TEMPERATURE_UNIT,
                           IDC_TEMPERATURE_EQUALS,
                           0,
                           0,
                           IDC_TEMPERATURE_VALUES,
                           IDC_TEMPERATURE_NAMES,
                           IDC_TEMPERATURE_FORMULA};
        return controls;
    }();
    return all;
}

}  // namespace

const UnitControls* UnitControlsOf(std::string_view caption)
{
    for (const UnitControls& tab : AllUnitControls()) {
        if (tab.caption == caption) {
            return &tab;
        }
    }
    return nullptr;
}

const UnitControls* UnitControlsOf(int templateId)
{
    for (const UnitControls& tab : AllUnitControls()) {
        if (tab.templateId == templateId) {
            return &tab;
        }
    }
    return nullptr;
}

const UnitControls* UnitControlsOf(int templateId, int controlId)
{
    for (const UnitControls& tab : AllUnitControls()) {
        if (tab.templateId == templateId && tab.unit == controlId) {
            return &tab;
        }
    }
    return nullptr;
}

const DialogTemplate* FindConverterTemplate(int id)
{
    for (const BuiltTemplate& t : Templates()) {
        if (t.dialog.id == id) {
            return &t.dialog;
        }
    }
    return nullptr;
}

}  // namespace pages
