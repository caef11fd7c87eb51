#include "chem/elements.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "chem/periodic_text.h"

namespace chemistry {
namespace {

const Element& BySymbol(std::string_view symbol)
{
    const std::optional<int> row = FindSymbol(symbol);
    EXPECT_TRUE(row.has_value()) << symbol;
    return *FindElement(row.value_or(0));
}

TEST(ElementTableTest, RowsAreInListOrderWithEveryAtomicNumberOnce)
{
    // The element lists sort themselves, so a list index is a row only while the
    // symbols stand in ascending order.
    std::string previous;
    std::set<int> numbers;
    for (const Element& element : ElementTable()) {
        EXPECT_LT(previous, element.symbol);
        previous = element.symbol;
        numbers.insert(element.atomicNumber);
        EXPECT_NE(std::string_view("spdf").find(element.block), std::string_view::npos)
            << element.symbol;
    }
    EXPECT_EQ(numbers.size(), 109U);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 109);
}

TEST(ElementTableTest, LooksUpRowsOnlyInsideTheTable)
{
    EXPECT_EQ(FindElement(-1), nullptr);
    EXPECT_EQ(FindElement(109), nullptr);
    EXPECT_EQ(FindElement(0)->symbol, "Ac");
    EXPECT_EQ(FindElement(108)->symbol, "Zr");
    EXPECT_EQ(FindSymbol("Tl"), 99);
    EXPECT_EQ(FindSymbol("Ti"), 98);
    EXPECT_EQ(FindSymbol("TI"), std::nullopt);
    EXPECT_EQ(FindSymbol(""), std::nullopt);
}

struct GroupCase {
    const char* symbol;
    const char* group;
};

void PrintTo(const GroupCase& c, std::ostream* os)
{
    *os << c.symbol;
}

class GroupTextTest : public ::testing::TestWithParam<GroupCase> {};

TEST_P(GroupTextTest, FollowsTheGroupRule)
{
    EXPECT_EQ(GroupText(BySymbol(GetParam().symbol).atomicNumber), GetParam().group);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, GroupTextTest,
    ::testing::Values(
        GroupCase{"Li", "Alkali Metal"}, GroupCase{"Fr", "Alkali Metal"},
        GroupCase{"Be", "Alkaline Earth Metal"}, GroupCase{"Ra", "Alkaline Earth Metal"},
        GroupCase{"F", "Halogens"}, GroupCase{"At", "Halogens"},
        GroupCase{"He", "Non Metal-Noble Gas"}, GroupCase{"Rn", "Non Metal-Noble Gas"},
        // Lanthanum and actinium stand with the transition metals, before their series.
        GroupCase{"La", "Transition Metal"}, GroupCase{"Ce", "Lanthanides"},
        GroupCase{"Lu", "Lanthanides"}, GroupCase{"Hf", "Transition Metal"},
        GroupCase{"Ac", "Transition Metal"}, GroupCase{"Th", "Actinides"},
        GroupCase{"Lr", "Actinides"}, GroupCase{"Rf", "Transition Metal"},
        GroupCase{"Mt", "Transition Metal"}, GroupCase{"Sc", "Transition Metal"},
        GroupCase{"Zn", "Transition Metal"}, GroupCase{"Y", "Transition Metal"},
        GroupCase{"Cd", "Transition Metal"}, GroupCase{"Hg", "Transition Metal"},
        GroupCase{"Al", "Metal"}, GroupCase{"Ga", "Metal"}, GroupCase{"Ge", "Metal"},
        GroupCase{"In", "Metal"}, GroupCase{"Sn", "Metal"}, GroupCase{"Sb", "Metal"},
        GroupCase{"Tl", "Metal"}, GroupCase{"Pb", "Metal"}, GroupCase{"Bi", "Metal"},
        GroupCase{"Po", "Metal"},
        // Hydrogen and the ten elements no other rule names share a class of their own.
        GroupCase{"H", "Non Metal"}, GroupCase{"B", "Non Metal"}, GroupCase{"C", "Non Metal"},
        GroupCase{"N", "Non Metal"}, GroupCase{"O", "Non Metal"}, GroupCase{"Si", "Non Metal"},
        GroupCase{"P", "Non Metal"}, GroupCase{"S", "Non Metal"}, GroupCase{"As", "Non Metal"},
        GroupCase{"Se", "Non Metal"}, GroupCase{"Te", "Non Metal"}));

TEST(GroupTextTest, NamesAGroupForEveryElementAndNoneOutsideTheTable)
{
    for (const Element& element : ElementTable()) {
        EXPECT_FALSE(GroupText(element.atomicNumber).empty()) << element.symbol;
    }
    EXPECT_EQ(GroupText(0), "");
    EXPECT_EQ(GroupText(110), "");
}

struct DistributionCase {
    int z;
    const char* text;
};

void PrintTo(const DistributionCase& c, std::ostream* os)
{
    *os << "Z " << c.z;
}

class ElectronDistributionTest : public ::testing::TestWithParam<DistributionCase> {};

TEST_P(ElectronDistributionTest, ListsEverySubshellTheFillingReaches)
{
    EXPECT_EQ(ElectronDistribution(GetParam().z), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElectronDistributionTest,
    ::testing::Values(DistributionCase{0, ""}, DistributionCase{1, "1s // "},
                      DistributionCase{2, "1s // "},
                      // Neon fills 2p exactly; sodium's eleventh electron opens 3s.
                      DistributionCase{10, "1s // 2s // 2p // "},
                      DistributionCase{11, "1s // 2s // 2p // 3s // "},
                      DistributionCase{26, "1s // 2s // 2p // 3s // 3p // 4s // 3d // "},
                      DistributionCase{
                          109,
                          "1s // 2s // 2p // 3s // 3p // 4s // 3d // 4p // 5s // 4d // 5p // "
                          "6s // 4f // 5d // 6p // 7s // 5f // 6d // "}));

TEST(PeriodicFieldsTest, ShowsHeliumAsANobleGasWithHydrogensDistribution)
{
    const PeriodicFields he = PeriodicFieldsFor(39);
    EXPECT_EQ(he.name, "Helium");
    EXPECT_EQ(he.group, "Non Metal-Noble Gas");
    EXPECT_EQ(he.distribution, PeriodicFieldsFor(38).distribution);
    EXPECT_EQ(PeriodicFieldsFor(38).group, "Non Metal");
}

TEST(PeriodicFieldsTest, ClearsEveryFieldWhenNothingIsChosen)
{
    for (const int selection : {-1, 109, -2147483647 - 1}) {
        const PeriodicFields f = PeriodicFieldsFor(selection);
        EXPECT_EQ(f.atomicMass, 0.0);
        EXPECT_EQ(f.atomicNumber, 0);
        EXPECT_EQ(f.name + f.group + f.block + f.distribution + f.oxidation + f.electronegativity,
                  "");
    }
}

// Hassium: a whole-number mass written without a point, the name with its blank.
TEST(PeriodicLinesTest, LabelEachFieldAndWriteNumbersAsTheFieldsDo)
{
    std::string shown;
    for (const PeriodicLine& line : PeriodicLinesFor(*FindSymbol("Hs"))) {
        shown += std::string(line.label) + ": " + line.text + "\n";
    }
    EXPECT_EQ(shown,
              "Name: Hassium \n"
              "Group: Transition Metal\n"
              "Block: d\n"
              "Atomic Mass (Atomic Weight): 265\n"
              "Atomic Number: 108\n"
              "Electronegativity: None\n"
              "Oxidation No.: None\n"
              "Electronic Distribution: 1s // 2s // 2p // 3s // 3p // 4s // 3d // 4p // 5s // "
              "4d // 5p // 6s // 4f // 5d // 6p // 7s // 5f // 6d // \n");
}

}  // namespace
}  // namespace chemistry
