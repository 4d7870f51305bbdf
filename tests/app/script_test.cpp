#include <gtest/gtest.h>

#include "app/script.h"

namespace {

TEST(ConsoleScript, WordsQuotesAndComments) {
    std::vector<std::string> words;
    std::string error;
    ASSERT_TRUE(app::SplitWords(R"(click "Start a new game"  # the first button)", words, error));
    EXPECT_EQ(words, (std::vector<std::string>{"click", "Start a new game"}));
    ASSERT_TRUE(app::SplitWords(R"(type Edit1 "say \"hi\" # not a comment")", words, error));
    EXPECT_EQ(words, (std::vector<std::string>{"type", "Edit1", "say \"hi\" # not a comment"}));
    ASSERT_TRUE(app::SplitWords(R"(set RealmName[2] "")", words, error));
    EXPECT_EQ(words, (std::vector<std::string>{"set", "RealmName[2]", ""}));
    EXPECT_FALSE(app::SplitWords(R"(click "open)", words, error));
}

TEST(ConsoleScript, MalformedScriptsNameTheLine) {
    std::vector<app::ScriptCommand> script;
    std::string error;
    ASSERT_TRUE(app::ParseScript(
        "# comment\n\nclick SpeedButton1\nwait 1000\ncall MoveArmy 2 1\nquit\n", script, error));
    ASSERT_EQ(script.size(), 4u);
    EXPECT_EQ(script[0].line, 3);
    EXPECT_EQ(script[2].args, (std::vector<std::string>{"MoveArmy", "2", "1"}));
    const std::pair<const char*, const char*> bad[] = {
        {"click\n", "line 1: wrong number of arguments for click"},
        {"quit\njump X\n", "line 2: unknown command \"jump\""},
        {"wait soon\n", "line 1: wait needs a whole number"},
        {"wait -5\n", "line 1: time cannot run backwards"},
        {"show now\n", "line 1: wrong number of arguments for show"},
        {"\n\nclick \"x\n", "line 3: a quote is not closed"},
    };
    for (const auto& [text, message] : bad) {
        EXPECT_FALSE(app::ParseScript(text, script, error)) << text;
        EXPECT_EQ(error, message);
    }
}

}  // namespace
