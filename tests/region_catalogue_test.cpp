#include "counties/region_catalogue.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(RegionCatalogue, FindsEveryStateAbbreviationAndReturnsTheCataloguesOwnText) {
  for (RegionId id = 0; id < kFirstContest; ++id) {
    const std::string copy(RegionAbbreviation(id));
    const auto found = FindStateAbbreviation(copy);
    ASSERT_TRUE(found) << copy;
    EXPECT_EQ(found->data(), RegionAbbreviation(id).data()) << copy;
  }
}

TEST(RegionCatalogue, FindsNothingForTextsThatAreNotStateAbbreviations) {
  for (const char* text :
       {"pa", "Pa", "MAQP", "7QP", "MULTI", "", "PA ", " PA", "P", "PAX", "ZZ"}) {
    EXPECT_FALSE(FindStateAbbreviation(text)) << '"' << text << '"';
  }
}

TEST(RegionCatalogue, NamesAndAbbreviations) {
  EXPECT_EQ(RegionName(0), "Alaska");
  EXPECT_EQ(RegionAbbreviation(49), "WY");
  EXPECT_EQ(RegionName(37), "Pennsylvania");
  EXPECT_EQ(RegionName(56), "7QP/INQP/NEQP");
  EXPECT_EQ(RegionAbbreviation(56), "MULTI");
  EXPECT_EQ(RegionName(54), "7-Land QSO Party");
  EXPECT_EQ(RegionName(-1), "");
  EXPECT_EQ(RegionName(57), "");
  EXPECT_EQ(RegionAbbreviation(1000), "");
}

TEST(RegionCatalogue, ChoiceOrderOffersThe37TabledStatesAlphabeticallyThenTheContests) {
  ASSERT_EQ(RegionChoiceOrder.size(), 44u);
  EXPECT_EQ(RegionName(RegionChoiceOrder.front()), "Alabama");
  EXPECT_EQ(RegionName(RegionChoiceOrder[36]), "Wisconsin");
  EXPECT_EQ(RegionName(RegionChoiceOrder.back()), "US Counties QSO Party");
  for (std::size_t i = 1; i < 37; ++i) {
    EXPECT_LT(RegionName(RegionChoiceOrder[i - 1]), RegionName(RegionChoiceOrder[i]));
    EXPECT_LT(RegionChoiceOrder[i], kFirstContest);
  }
  const RegionId contests[] = {56, 54, 51, 50, 53, 52, 55};
  for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(RegionChoiceOrder[37 + i], contests[i]);
  for (const char* notOffered :
       {"AK", "AR", "AZ", "CT", "MA", "ME", "MT", "NH", "NM", "RI", "SD", "UT", "WY"}) {
    for (const RegionId id : RegionChoiceOrder) EXPECT_NE(RegionAbbreviation(id), notOffered);
  }
}

}  // namespace
}  // namespace quorvel
