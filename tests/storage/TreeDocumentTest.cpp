#include "storage/TreeDocument.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "construction/ShapeLayout.h"
#include "support/TreeBuilding.h"
#include "text/Windows1252.h"
#include "tree/TreeHelpers.h"

namespace kvistra {
namespace {

using Json = nlohmann::json;
using testing::Fixture;

std::string documentOf(const TreeState& state) {
  return writeTreeDocument(state);
}

std::string documentOf(const TreeDocument& read) {
  return writeTreeDocument(read);
}

// A 2 x 2 tree with every value typed: A1 1/3, B1 2/3, A2 and B2 1/2.
Json twoByTwo() {
  Fixture f;
  f.build({2, 2});
  f.enterTyped(1, {"1/3", "2/3"});
  f.enterTyped(2, {"1/2", "1/2", "0.5", "0.5"});
  return Json::parse(documentOf(f.state));
}

Json branch(const char* name, const Json& value, Json branches = Json::array()) {
  return {{"name", name}, {"typed", ""}, {"value", value}, {"kept", true}, {"branches", branches}};
}

Json leaves(int count) {
  Json group = Json::array();
  for (int i = 0; i < count; ++i) group.push_back(branch("U", nullptr));
  return group;
}

// One group of sizes.size() branches, each with a group of the given size (0: a leaf).
Json groupOf(std::initializer_list<int> sizes, const Json& below = Json()) {
  Json group = Json::array();
  for (int size : sizes)
    group.push_back(branch("G", nullptr,
                           size == 0         ? Json::array()
                           : below.is_null() ? leaves(size)
                                             : below));
  return group;
}

// Groups of two, each under the first branch of the one before: a path of so many branchings.
Json pathOfGroups(int branchings) {
  Json group = leaves(2);
  for (int i = 1; i < branchings; ++i) group = groupOf({2, 0}, group);
  return group;
}

struct Refused {
  const char* pointer;  // the member changed; without a value it is removed
  Json value;
  const char* message;  // UTF-8
};

TEST(TreeDocument, RefusesAFaultyDocumentWithAMessageNamingTheFault) {
  const Refused cases[] = {
      {"/format", "Kvistra", "Filen er ikke et Kvistra-dokument."},
      {"/version", 2, "Filen er lavet af en nyere udgave af Kvistra."},
      {"/version", "1", "»version« i dokumentet skal være et helt tal."},
      {"/decimals", 5, "»decimals« i dokumentet skal være 2, 3 eller 4."},
      {"/fractions", Json(), "»fractions« mangler i dokumentet."},
      {"/tree/branches/0/branches", leaves(1),
       "Gren 1 (A1) har 1 gren under sig; en gruppe skal have 2 til 6 grene."},
      {"/tree/branches/1/branches/0/branches", pathOfGroups(5),
       "Træet har mere end 6 forgreninger."},
      {"/tree/branches", groupOf({6, 6, 6, 6, 6, 6}, groupOf({2, 2, 2, 2, 2, 2})),
       "Træet har mere end 64 grene i 3. forgrening."},
      {"/tree/branches", groupOf({6, 6, 6, 6, 6, 6}, groupOf({2, 2, 2, 2, 2, 0})),
       "Træet har mere end 64 udfald."},
      {"/tree/branches/1", 3, "Gren 2 skal være et JSON-objekt, {...}."},
      {"/tree/branches/0/value", "1/0",
       "»value« i gren 1 (A1) skal være null eller en brøk som \"1/3\" med nævner over 0."},
      {"/tree/branches/0/name", "ABCDEFGHIJK", "»name« i gren 1 er længere end 10 tegn."},
      {"/tree/branches/0/typed", "Ω",
       "»typed« i gren 1 (A1) har et tegn, som Kvistra ikke kan skrive."},
      {"/tree/branches",
       {branch("A1", nullptr, leaves(2)), branch("B1", "3/2", leaves(2))},
       "Gren 2 (B1) har sandsynligheden 3/2, som ikke ligger fra 0 til 1."},
      {"/tree/branches/0/branches",
       {branch("A2", "2/3"), branch("B2", "2/3"), branch("C2", nullptr)},
       "Grenene under gren 1 (A1) har sandsynligheder, der tilsammen er over 1."},
      {"/tree/branches/1/kept", false, "Gren 2 (B1) er skjult, men træet er ikke reduceret."},
      {"/reduction/probability", 0, "»probability« i reduktionen skal være over 0 og højst 1."},
      {"/labels", Json::array({{{"oldName", "A"}, {"newName", "A"}, {"text", ""}}}),
       "Dokumentet har 1 navnerækker, men træet skal have 4 eller ingen."},
      {"/results",
       Json(std::vector<Json>(31, {{"line", ""}, {"value", ""}, {"fraction", nullptr}})),
       "Dokumentet har 31 resultater; der kan højst være 30."},
      {"/randomVariable", Json::object(), nullptr},  // a later addition is skipped
  };
  const Json document = twoByTwo();
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.pointer);
    Json changed = document;
    if (c.value.is_null())
      changed.at(Json::json_pointer(c.pointer).parent_pointer())
          .erase(Json::json_pointer(c.pointer).back());
    else
      changed[Json::json_pointer(c.pointer)] = c.value;
    const TreeDocumentReading read = readTreeDocument(changed.dump());
    EXPECT_EQ(read.error, c.message ? w1252(c.message) : "");
    EXPECT_EQ(read.document.has_value(), c.message == nullptr);
  }
  EXPECT_EQ(readTreeDocument("{\"format\": ").error,
            w1252("Filen er ikke et Kvistra-dokument: JSON-teksten har en fejl ved byte 12."));
  EXPECT_EQ(readTreeDocument("{\"format\": 1e400}").error,
            w1252("Filen er ikke et Kvistra-dokument: JSON-teksten har et tal, der er for stort."));
}

// A group whose values do not add up to 1 loads, as from a tree file, for "Ret talværdi" to mend.
TEST(TreeDocument, LoadsAGroupThatDoesNotAddUpForMending) {
  Json document = twoByTwo();
  document["/tree/branches/0/value"_json_pointer] = "1/2";
  const TreeDocumentReading read = readTreeDocument(document.dump());
  ASSERT_TRUE(read.document) << read.error;
  EXPECT_EQ(invalidGroups(read.document->tree).size(), 1u);
}

// Saving what was read gives the same bytes, and a built tree reads back to the same store.
TEST(TreeDocument, ReadsBackWhatItWrote) {
  Fixture built;
  built.build({3, 2, 2});
  built.enterUniformProbabilities();
  built.enterTyped(1, {"1/3", "1/3", "1/3"});
  built.state.tree.decimalCount = 3;
  built.state.results.count = 1;
  built.state.results.rows[1] = {w1252("P(A1) = 0,333 ½ \x80\x81"), "0,333", "1/3"};
  built.state.labels.count = 0;
  // Unequal groups, a path ending at the first branching and values not yet entered.
  Json unequal = twoByTwo();
  unequal["/tree/branches"_json_pointer] = groupOf({0, 3, 2}, groupOf({2, 0}));
  Json reduced = twoByTwo();
  for (const char* hidden : {"/tree/branches/1/kept", "/tree/branches/1/branches/0/kept",
                             "/tree/branches/1/branches/1/kept"})
    reduced[Json::json_pointer(hidden)] = false;
  reduced["/reduction"_json_pointer] = {{"reduced", true}, {"event", "A1"}, {"probability", 0.25}};
  const std::string documents[] = {documentOf(built.state), reduced.dump(), unequal.dump()};
  for (const std::string& document : documents) {
    const TreeDocumentReading first = readTreeDocument(document);
    ASSERT_TRUE(first.document) << first.error;
    const std::string written = documentOf(*first.document);
    const TreeDocumentReading second = readTreeDocument(written);
    ASSERT_TRUE(second.document) << second.error;
    EXPECT_EQ(documentOf(*second.document), written);
  }
  const TreeDocument read = *readTreeDocument(documents[0]).document;
  EXPECT_EQ(read.tree.branches, built.state.tree.branches);
  EXPECT_EQ(read.results.rows[1], built.state.results.rows[1]);
}

// Coordinates of every shape construction builds, and rows of shapes it does not.
TEST(ShapeLayout, LaysOutBuiltShapesAsConstructionDoes) {
  for (int b1 = 2; b1 <= MostBranches; ++b1)
    for (int b2 = 2; b2 <= MostBranches; ++b2)
      for (int b3 = 0; b3 <= MostBranches; b3 += b3 == 0 ? 2 : 1) {
        if (b1 * b2 * std::max(b3, 1) > MostOutcomesBuilt) continue;
        Fixture f;
        b3 == 0 ? f.build({b1, b2}) : f.build({b1, b2, b3});
        Tree laidOut = f.state.tree;
        for (auto& level : laidOut.branches)
          for (Branch& branch : level) branch.x = branch.y = branch.nameX = branch.probabilityX = 0;
        layOutTree(laidOut);
        EXPECT_EQ(laidOut.branches, f.state.tree.branches) << b1 << b2 << b3;
      }
}

TEST(ShapeLayout, GivesEachOutcomeARowAndEachNodeTheMiddleOfItsChildren) {
  Json document = twoByTwo();
  document["/tree/branches"_json_pointer] = groupOf({3, 0});
  const Tree tree = readTreeDocument(document.dump()).document->tree;
  EXPECT_EQ((std::vector<int>{tree.branch(1, 1).y, tree.branch(1, 2).y, tree.branch(2, 1).y,
                              tree.branch(2, 3).y, tree.root().y}),
            (std::vector<int>{191, 407, 83, 299, 299}));
  EXPECT_EQ(tree.branch(2, 3).x, 130);
  const int rows[][3] = {{0, 28, 37}, {27, 28, 469}, {63, 64, 1045}, {26, 27, 453}, {3, 4, 407}};
  for (const auto& [row, count, y] : rows) EXPECT_EQ(outcomeRowY(row, count), y) << row << count;
}

}  // namespace
}  // namespace kvistra
