#include <gtest/gtest.h>

#include "host/Questions.h"
#include "support/TreeBuilding.h"

namespace kvistra {
namespace {

TEST(Prompt, AnswerIsCutOnlyWhileAToolIsActive) {
  using enum ToolMode;
  struct Case {
    const char* typed;
    ToolMode toolMode;
    const char* answer;
  };
  const Case cases[] = {
      {"a1", EditValue, "a1"}, {"ab", EditValue, "a"}, {"A12", ReplaceLetter, "A1"},
      {"A", EditValue, "A"},   {"", EditValue, ""},    {"A12", None, "A12"},
      {"ab", None, "ab"},      {"1a", EditValue, "1"},
  };
  for (const auto& c : cases) EXPECT_EQ(cutPromptAnswer(c.typed, c.toolMode), c.answer) << c.typed;
}

TEST(Prompt, HowItClosedDecidesTheAnswer) {
  using enum ToolMode;
  struct Case {
    PromptReply reply;
    ToolMode toolMode;
    std::optional<std::string> answer;
  };
  const Case cases[] = {
      {{"A1B2", PromptClose::Ok}, None, "A1B2"},
      {{"ab", PromptClose::Ok}, EditValue, "a"},
      {{"", PromptClose::Ok}, None, std::nullopt},
      {{"A1", PromptClose::Cancel}, None, std::nullopt},
      // The close box cancels, so an uncut word can never become a branch name.
      {{"abc", PromptClose::CloseBox}, ReplaceLetter, std::nullopt},
      {{"A1", PromptClose::CloseBox}, None, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(promptAnswer(c.reply, c.toolMode), c.answer) << c.reply.text;
}

TEST(Prompt, AskedThroughTheHost) {
  testing::Fixture f;
  f.host.promptReplies = {{"a1", PromptClose::Ok}};
  EXPECT_EQ(askPrompt(f.context, "Hændelse ?  "), "a1");
  EXPECT_EQ(f.host.questionsAsked, std::vector<std::string>{"Hændelse ?  "});

  f.state.event.shown = true;
  f.host.yesNoReplies = {false};
  EXPECT_FALSE(askYesNo(f.context, "Er du sikker?", " ", 317));
  EXPECT_FALSE(f.state.event.shown);
}

TEST(Prompt, AcceptsOnlyExpressionAndNumberCharacters) {
  for (char c : std::string("aZ(-)0,./\b")) EXPECT_TRUE(isPromptChar(c)) << int(c);
  for (char c : std::string("*+ ;\"'")) EXPECT_FALSE(isPromptChar(c)) << int(c);
  EXPECT_TRUE(isPromptChar(static_cast<char>(248)));   // ø
  EXPECT_FALSE(isPromptChar(static_cast<char>(233)));  // é is no Danish letter
}

}  // namespace
}  // namespace kvistra
