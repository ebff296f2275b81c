#include <gtest/gtest.h>

#include "support/TreeBuilding.h"
#include "tree/Dialogs.h"

namespace kvistra {
namespace {

TEST(Prompt, AnswerIsCutOnlyWhileAToolIsActive) {
  struct Case {
    const char* typed;
    int toolMode;
    const char* answer;
  };
  const Case cases[] = {
      {"a1", 1, "a1"}, {"ab", 1, "a"},    {"A12", 2, "A1"}, {"A", 1, "A"},
      {"", 1, ""},     {"A12", 0, "A12"}, {"ab", 0, "ab"},  {"1a", 1, "1"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(cutPromptAnswer(c.typed, c.toolMode), c.answer) << c.typed << " " << c.toolMode;
}

TEST(Prompt, HowItClosedDecidesCancelled) {
  struct Case {
    PromptReply reply;
    int toolMode;
    bool cancelledBefore;
    std::string promptText;
    bool cancelled;
  };
  const Case cases[] = {
      {{"A1B2", PromptClose::Ok}, 0, true, "A1B2", false},
      {{"ab", PromptClose::Ok}, 1, true, "a", false},
      {{"", PromptClose::Ok}, 0, false, "", true},
      {{"A1", PromptClose::Cancel}, 0, false, "", true},
      {{"ab", PromptClose::CloseBox}, 1, false, "ab", false},  // no cut, cancelled kept
      {{"ab", PromptClose::CloseBox}, 1, true, "ab", true},
      {{"", PromptClose::CloseBox}, 0, false, "", true},
  };
  for (const auto& c : cases) {
    TreeState state;
    state.toolMode = c.toolMode;
    state.cancelled = c.cancelledBefore;
    applyPromptReply(state, c.reply);
    EXPECT_EQ(state.promptText, c.promptText) << c.reply.text;
    EXPECT_EQ(state.cancelled, c.cancelled) << c.reply.text;
  }
}

TEST(Prompt, AskedThroughTheHost) {
  testing::Fixture f;
  f.host.promptReplies = {{"a1", PromptClose::Ok}};
  askPrompt(f.context, "Hændelse ?  ");
  EXPECT_EQ(f.host.questionsAsked, std::vector<std::string>{"Hændelse ?  "});
  EXPECT_EQ(f.state.promptText, "a1");
  EXPECT_FALSE(f.state.cancelled);

  f.state.eventShown = true;
  f.host.yesNoReplies = {false};
  askYesNo(f.context, "Er du sikker?", " ", 317);
  EXPECT_FALSE(f.state.answerYes);
  EXPECT_FALSE(f.state.eventShown);
}

TEST(Prompt, AcceptsOnlyExpressionAndNumberCharacters) {
  for (char c : std::string("aZ(-)0,./\b")) EXPECT_TRUE(isPromptChar(c)) << int(c);
  for (char c : std::string("*+ ;\"'")) EXPECT_FALSE(isPromptChar(c)) << int(c);
  EXPECT_TRUE(isPromptChar(static_cast<char>(248)));   // ø
  EXPECT_FALSE(isPromptChar(static_cast<char>(233)));  // é is no Danish letter
}

}  // namespace
}  // namespace kvistra
