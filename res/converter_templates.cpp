// The converter tabs' templates. All fifteen factor-table pages share one layout:
// value box, unit list, check box and decimals list on the left, "=" beside the unit
// list, and the values and labels boxes side by side in a frame on the right, as tall
// as the page has units and as wide as its longest label.
#include "res/converter_templates.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "convert/categories.h"

namespace res {
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
    // template category                    value unit scientific decimals "=" values labels heading
    {166, &convert::kAngle,           1064, 1005, 1081, 1088, 1001, 1065, 1074, 157},
    {164, &convert::kArea,            1047, 1003, 1081, 1088, 1001, 1049, 1074, 150},
    {153, &convert::kComputerStorage, 1062, 1004, 1080, 1087, 1000, 1063, 1073, 155},
    {177, &convert::kCooking,         1047, 1003, 1081, 1088, 1001, 1049, 1074, 179},
    {168, &convert::kEnergy,          1062, 1004, 1080, 1087, 1000, 1063, 1073, 151},
    {170, &convert::kFrequency,       1047, 1003, 1081, 1088, 1001, 1049, 1074, 172},
    {162, &convert::kLength,          1047, 1004, 1081, 1088, 1039, 1049, 1074, 160},
    {180, &convert::kLight,           1064, 1005, 1081, 1088, 1001, 1065, 1074, 182},
    {136, &convert::kPower,           1062, 1003, 1081, 1088, 1005, 1007, 1008, 162},
    {148, &convert::kPressure,        1046, 1002, 1080, 1087, 1000, 1048, 1073, 152},
    {160, &convert::kSpeed,           1054, 1004, 1081, 1088, 1005, 1008, 1064, 147},
    {142, &convert::kTime,            1052, 1002, 1080, 1087, 1000, 1006, 1063, 165},
    {173, &convert::kTorque,          1064, 1005, 1081, 1088, 1001, 1065, 1074, 175, kNone},
    {132, &convert::kVolume,          1046, 1045, 1080, 1087, 1000, 1048, 1073, 142,
     kDefaultButton, "Significant Figures"},
    {134, &convert::kWeight,          1046, 1002, 1080, 1087, 1000, 1048, 1073, 159,
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

struct BuiltTemplate {
    std::string headingText;  // what the heading picture says, for a screen reader
    std::vector<ControlTemplate> controls;
    DialogTemplate dialog;
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
    const int groupRight = 299 + labelsWidth + 5;
    const int frameWidth = groupRight + 7 - 6;
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
         kMultiLine | kReadOnly | kNoBorder},
        {ControlKind::Edit,
         l.labels,
         {299, 22, labelsWidth, boxHeight + 1},
         "Units",
         kMultiLine | kReadOnly | kNoBorder},
        {ControlKind::GroupBox, kNoId, {221, 16, groupRight - 221, boxHeight + 11}},
        {ControlKind::Static, kNoId, {51, 60, 70, 8}, l.decimalsLabel},
        {ControlKind::GroupBox, kNoId, {6, 3, frameWidth, 199}},
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

}  // namespace

const DialogTemplate* FindConverterTemplate(int id)
{
    for (const BuiltTemplate& t : Templates()) {
        if (t.dialog.id == id) {
            return &t.dialog;
        }
    }
    return nullptr;
}

}  // namespace res
