#include "chem/elements.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

namespace chemistry {
namespace {

// The product's own data, kept as it has always shown it: "Aluminum", "Phosphorous",
// the blank after "Hassium", and the masses as given (265.0 and 266.0 for Hs and Mt).
// Columns: symbol, name, Z, atomic mass, electronegativity, oxidation numbers, block;
// the number after each row is its list index.
// clang-format off
constexpr std::array<Element, kElementCount> kElements{{
    {"Ac", "Actinium",      89,  227.028, "1.2",  "3",              'f'},  // 0
    {"Ag", "Silver",        47,  107.868, "1.9",  "2,1",            'd'},  // 1
    {"Al", "Aluminum",      13,  26.9815, "1.6",  "3",              'p'},  // 2
    {"Am", "Americium",     95,  243.061, "None", "6,5,4,3",        'f'},  // 3
    {"Ar", "Argon",         18,  39.948,  "None", "None",           'p'},  // 4
    {"As", "Arsenic",       33,  74.9216, "2.2",  "5,3,-3",         'p'},  // 5
    {"At", "Astatine",      85,  209.987, "None", "7,5,3,1,-1",     'p'},  // 6
    {"Au", "Gold",          79,  196.967, "2.5",  "3,1",            'd'},  // 7
    {"B",  "Boron",         5,   10.811,  "2",    "3",              'p'},  // 8
    {"Ba", "Barium",        56,  137.327, "0.9",  "2",              's'},  // 9
    {"Be", "Beryllium",     4,   9.01218, "1.6",  "2",              's'},  // 10
    {"Bh", "Bohrium",       107, 262.123, "None", "None",           'd'},  // 11
    {"Bi", "Bismuth",       83,  208.98,  "2",    "5,3",            'p'},  // 12
    {"Bk", "Berkelium",     97,  247.07,  "None", "4,3",            'f'},  // 13
    {"Br", "Bromine",       35,  79.904,  "3",    "7,5,3,1,-1",     'p'},  // 14
    {"C",  "Carbon",        6,   12.0107, "2.6",  "4,2,-4",         'p'},  // 15
    {"Ca", "Calcium",       20,  40.078,  "1",    "2",              's'},  // 16
    {"Cd", "Cadmium",       48,  112.411, "1.7",  "2",              'd'},  // 17
    {"Ce", "Cerium",        58,  140.116, "1.1",  "4,3",            'f'},  // 18
    {"Cf", "Californium",   98,  251.08,  "None", "4,3",            'f'},  // 19
    {"Cl", "Chlorine",      17,  35.4527, "3.2",  "7,5,3,1,-1",     'p'},  // 20
    {"Cm", "Curium",        96,  247.07,  "None", "4,3",            'f'},  // 21
    {"Co", "Cobalt",        27,  58.9332, "1.9",  "3,2,0,-1",       'd'},  // 22
    {"Cr", "Chromium",      24,  51.9961, "1.7",  "6,3,2,0",        'd'},  // 23
    {"Cs", "Cesium",        55,  132.905, "0.8",  "1",              's'},  // 24
    {"Cu", "Copper",        29,  63.546,  "1.9",  "2,1",            'd'},  // 25
    {"Db", "Dubnium",       105, 262.114, "None", "None",           'd'},  // 26
    {"Dy", "Dysprosium",    66,  162.5,   "1.2",  "3",              'f'},  // 27
    {"Er", "Erbium",        68,  167.26,  "1.2",  "3",              'f'},  // 28
    {"Es", "Einsteinium",   99,  252.083, "None", "3",              'f'},  // 29
    {"Eu", "Europium",      63,  151.964, "1.2",  "3,2",            'f'},  // 30
    {"F",  "Fluorine",      9,   18.9984, "4",    "-1",             'p'},  // 31
    {"Fe", "Iron",          26,  55.845,  "1.8",  "6,3,2,0,-2",     'd'},  // 32
    {"Fm", "Fermium",       100, 257.095, "None", "3",              'f'},  // 33
    {"Fr", "Francium",      87,  223.02,  "0.8",  "1",              's'},  // 34
    {"Ga", "Gallium",       31,  69.723,  "1.8",  "3",              'p'},  // 35
    {"Gd", "Gadolinium",    64,  157.25,  "1.2",  "3",              'f'},  // 36
    {"Ge", "Germanium",     32,  72.61,   "2",    "4",              'p'},  // 37
    {"H",  "Hydrogen",      1,   1.00794, "2.2",  "1,-1",           's'},  // 38
    {"He", "Helium",        2,   4.0026,  "None", "None",           's'},  // 39
    {"Hf", "Hafnium",       72,  178.49,  "1.3",  "4",              'd'},  // 40
    {"Hg", "Mercury",       80,  200.59,  "2",    "2,1",            'd'},  // 41
    {"Ho", "Holmium",       67,  164.93,  "1.2",  "3",              'f'},  // 42
    {"Hs", "Hassium ",      108, 265.0,   "None", "None",           'd'},  // 43
    {"I",  "Iodine",        53,  126.904, "2.7",  "7,5,1,-1",       'p'},  // 44
    {"In", "Indium",        49,  114.818, "1.8",  "3",              'p'},  // 45
    {"Ir", "Iridium",       77,  192.217, "2.2",  "6,4,3,2,1,0,-1", 'd'},  // 46
    {"K",  "Potassium",     19,  39.0983, "0.8",  "1",              's'},  // 47
    {"Kr", "Krypton",       36,  83.8,    "3",    "2",              'p'},  // 48
    {"La", "Lanthanum",     57,  138.906, "1.1",  "3",              'f'},  // 49
    {"Li", "Lithium",       3,   6.941,   "1",    "1",              's'},  // 50
    {"Lr", "Lawrencium",    103, 260.105, "None", "3",              'f'},  // 51
    {"Lu", "Lutetium",      71,  174.967, "1",    "3",              'f'},  // 52
    {"Md", "Mendelevium",   101, 258.099, "None", "3",              'f'},  // 53
    {"Mg", "Magnesium",     12,  24.305,  "1.3",  "2",              's'},  // 54
    {"Mn", "Manganese",     25,  54.938,  "1.6",  "7,6,4,3,2,0,-1", 'd'},  // 55
    {"Mo", "Molybdenum",    42,  95.94,   "2.2",  "6,5,4,3,2,0",    'd'},  // 56
    {"Mt", "Meitnerium",    109, 266.0,   "None", "None",           'd'},  // 57
    {"N",  "Nitrogen",      7,   14.0067, "3",    "5,4,3,2,-3",     'p'},  // 58
    {"Na", "Sodium",        11,  22.9898, "0.9",  "1",              's'},  // 59
    {"Nb", "Niobium",       41,  92.9064, "None", "5,3",            'd'},  // 60
    {"Nd", "Neodymium",     60,  144.24,  "1.1",  "3",              'f'},  // 61
    {"Ne", "Neon",          10,  20.1797, "None", "None",           'p'},  // 62
    {"Ni", "Nickel",        28,  58.6934, "1.9",  "3,2,0",          'd'},  // 63
    {"No", "Nobelium",      102, 259.101, "None", "3,2",            'f'},  // 64
    {"Np", "Neptunium",     93,  237.048, "1.4",  "6,5,4,3",        'f'},  // 65
    {"O",  "Oxygen",        8,   15.9994, "3.4",  "-2,-1",          'p'},  // 66
    {"Os", "Osmium",        76,  190.23,  "None", "8,6,4,3,2,0,-2", 'd'},  // 67
    {"P",  "Phosphorous",   15,  30.9738, "2.2",  "5,3,-3",         'p'},  // 68
    {"Pa", "Protactinium",  91,  231.036, "1.3",  "5,4",            'f'},  // 69
    {"Pb", "Lead",          82,  207.2,   "2.3",  "4,2",            'p'},  // 70
    {"Pd", "Palladium",     46,  106.42,  "2.2",  "4,2,0",          'd'},  // 71
    {"Pm", "Promethium",    61,  146.915, "1.2",  "3",              'f'},  // 72
    {"Po", "Polonium",      84,  208.982, "2",    "6,4,2",          'p'},  // 73
    {"Pr", "Praseodymium",  59,  140.908, "1.1",  "4,3",            'f'},  // 74
    {"Pt", "Platinum",      78,  195.078, "2.3",  "4,2,0",          'd'},  // 75
    {"Pu", "Plutonium",     94,  244.064, "1.3",  "6,5,4,3",        'f'},  // 76
    {"Ra", "Radium",        88,  226.025, "0.9",  "2",              's'},  // 77
    {"Rb", "Rubidium",      37,  85.4678, "0.8",  "1",              's'},  // 78
    {"Re", "Rhenium",       75,  186.207, "None", "7,6,4,2,-1",     'd'},  // 79
    {"Rf", "Rutherfordium", 104, 261.109, "None", "None",           'd'},  // 80
    {"Rh", "Rhodium",       45,  102.906, "2.3",  "5,4,3,2,1,0",    'd'},  // 81
    {"Rn", "Radon",         86,  222.018, "None", "2",              'p'},  // 82
    {"Ru", "Ruthenium",     44,  101.07,  "None", "8,6,4,3,2,0,-2", 'd'},  // 83
    {"S",  "Sulfur",        16,  32.066,  "2.6",  "6,4,2,-2",       'p'},  // 84
    {"Sb", "Antimony",      51,  121.76,  "2.1",  "5,3,-3",         'p'},  // 85
    {"Sc", "Scandium",      21,  44.9559, "1.4",  "3",              'd'},  // 86
    {"Se", "Selenium",      34,  78.96,   "2.6",  "6,4,-2",         'p'},  // 87
    {"Sg", "Seaborgium",    106, 263.118, "None", "None",           'd'},  // 88
    {"Si", "Silicon",       14,  28.0855, "1.9",  "4,-4",           'p'},  // 89
    {"Sm", "Samarium",      62,  150.36,  "1.2",  "3,2",            'f'},  // 90
    {"Sn", "Tin",           50,  118.71,  "2",    "4,2",            'p'},  // 91
    {"Sr", "Strontium",     38,  87.62,   "1",    "2",              's'},  // 92
    {"Ta", "Tantalum",      73,  180.948, "None", "5",              'd'},  // 93
    {"Tb", "Terbium",       65,  158.925, "1.2",  "4,3",            'f'},  // 94
    {"Tc", "Technetium",    43,  98.9063, "None", "7",              'd'},  // 95
    {"Te", "Tellurium",     52,  127.6,   "2.1",  "6,4,-2",         'p'},  // 96
    {"Th", "Thorium",       90,  232.038, "1.3",  "4",              'f'},  // 97
    {"Ti", "Titanium",      22,  47.867,  "1.5",  "4,3",            'd'},  // 98
    {"Tl", "Thallium",      81,  204.383, "2",    "3,1",            'p'},  // 99
    {"Tm", "Thulium",       69,  168.934, "1.3",  "3,2",            'f'},  // 100
    {"U",  "Uranium",       92,  238.029, "1.4",  "6,5,4,3",        'f'},  // 101
    {"V",  "Vanadium",      23,  50.9415, "1.6",  "5,4,3,2,0",      'd'},  // 102
    {"W",  "Tungsten",      74,  183.84,  "2.4",  "6,5,4,3,2,0",    'd'},  // 103
    {"Xe", "Xenon",         54,  131.29,  "2.6",  "8,6,4,2",        'p'},  // 104
    {"Y",  "Yttrium",       39,  88.9059, "1.2",  "3",              'd'},  // 105
    {"Yb", "Ytterbium",     70,  173.04,  "None", "3,2",            'f'},  // 106
    {"Zn", "Zinc",          30,  65.39,   "1.7",  "2",              'd'},  // 107
    {"Zr", "Zirconium",     40,  91.224,  "1.3",  "4",              'd'},  // 108
}};
// clang-format on

bool IsIn(int z, std::initializer_list<int> set)
{
    return std::find(set.begin(), set.end(), z) != set.end();
}

}  // namespace

std::span<const Element, kElementCount> ElementTable()
{
    return kElements;
}

const Element* FindElement(int row)
{
    if (row < 0 || row >= kElementCount) {
        return nullptr;
    }
    return &kElements[static_cast<std::size_t>(row)];
}

std::optional<int> FindSymbol(std::string_view symbol)
{
    for (int row = 0; row < kElementCount; ++row) {
        if (kElements[static_cast<std::size_t>(row)].symbol == symbol) {
            return row;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> ElementSymbols()
{
    std::vector<std::string_view> symbols;
    symbols.reserve(kElements.size());
    for (const Element& element : kElements) {
        symbols.push_back(element.symbol);
    }
    return symbols;
}

std::string_view GroupText(int z)
{
    if (z < 1 || z > kElementCount) {
        return {};
    }
    if (IsIn(z, {3, 11, 19, 37, 55, 87})) {
        return kAlkaliMetal;
    }
    if (IsIn(z, {4, 12, 20, 38, 56, 88})) {
        return kAlkalineEarthMetal;
    }
    if (IsIn(z, {9, 17, 35, 53, 85})) {
        return kHalogens;
    }
    if (IsIn(z, {2, 10, 18, 36, 54, 86})) {
        return kNobleGas;
    }
    if (z >= 58 && z <= 71) {
        return kLanthanides;
    }
    if (z >= 90 && z <= 103) {
        return kActinides;
    }
    if ((z >= 21 && z <= 30) || (z >= 39 && z <= 48) || (z >= 57 && z <= 80) || z >= 89) {
        return kTransitionMetal;
    }
    if (IsIn(z, {13, 31, 32}) || (z >= 49 && z <= 51) || (z >= 81 && z <= 84)) {
        return kMetal;
    }
    // What is left is hydrogen and B, C, N, O, Si, P, S, As, Se, Te: every z reaches a
    // text of its own, so the field never keeps the previous element's group.
    return kNonMetal;
}

}  // namespace chemistry
