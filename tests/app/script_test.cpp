#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <utility>

#include "app/script.h"
#include "app/script_registry.h"

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

TEST(ConsoleScript, AFormattedCommandReadsBackAsTheSameWords) {
    app::ScriptCommand command;
    command.verb = "type";
    command.args = {"Edit1",       "",   "two words", "say \"hi\"",
                    "back\\slash", "#5", "tab\there", "plain"};
    const std::string line = app::FormatCommand(command);
    EXPECT_EQ(line,
              R"(type Edit1 "" "two words" "say \"hi\"" "back\\slash" "#5" "tab	here" plain)");
    std::vector<std::string> words;
    std::string error;
    ASSERT_TRUE(app::SplitWords(line, words, error));
    std::vector<std::string> expected{"type"};
    expected.insert(expected.end(), command.args.begin(), command.args.end());
    EXPECT_EQ(words, expected);
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
        {"wait 86400001\n", "line 1: wait is at most 86400000 ms (a day)"},
        {"wait 9223372036854775807\n", "line 1: wait is at most 86400000 ms (a day)"},
        {"wait 99999999999999999999999\n", "line 1: wait is at most 86400000 ms (a day)"},
        {"seed 99999999999999999999999\n", "line 1: seed needs a number from 0 to 4294967295"},
        {"seed 4294967296\n", "line 1: seed needs a number from 0 to 4294967295"},
        {"seed -1\n", "line 1: seed needs a number from 0 to 4294967295"},
        {"seed 1e3\n", "line 1: seed needs a whole number"},
        {"show now\n", "line 1: wrong number of arguments for show"},
        {"\n\nclick \"x\n", "line 3: a quote is not closed"},
    };
    for (const auto& [text, message] : bad) {
        EXPECT_FALSE(app::ParseScript(text, script, error)) << text;
        EXPECT_EQ(error, message);
    }
}

// The numbers a parsed wait or seed carries, up to the largest each takes.
TEST(ConsoleScript, WaitAndSeedCarryTheirCheckedNumbers) {
    std::vector<app::ScriptCommand> script;
    std::string error;
    ASSERT_TRUE(app::ParseScript("wait 86400000\nwait 0\nseed 4294967295\nseed 0\n", script, error))
        << error;
    ASSERT_EQ(script.size(), 4u);
    EXPECT_EQ(script[0].number, 86400000);
    EXPECT_EQ(script[1].number, 0);
    EXPECT_EQ(script[2].number, 4294967295);
    EXPECT_EQ(script[3].number, 0);

    std::int64_t value = 7;
    EXPECT_TRUE(app::ParseWholeNumber("-2147483648", INT32_MIN, INT32_MAX, value));
    EXPECT_EQ(value, INT32_MIN);
    for (const char* bad : {"2147483648", "", "-", "+5", " 5", "5 ", "0x10", "9223372036854775808"})
        EXPECT_FALSE(app::ParseWholeNumber(bad, INT32_MIN, INT32_MAX, value)) << bad;
    EXPECT_EQ(value, INT32_MIN);
}

// A call runs only on what it takes: as many arguments, every number a 32-bit integer.
TEST(ConsoleScript, ACallRefusesArgumentsItDoesNotTake) {
    app::ScriptRegistry registry;
    int runs = 0;
    registry.AddCall("Two", app::Ints<2>([&runs](int, int) { ++runs; }));
    registry.AddCall("Notice", {app::kWord, app::kWord, app::kNumber}, 1,
                     [&runs](const app::CallArgs&, std::string&, std::string&) {
                         ++runs;
                         return true;
                     });
    const auto* two = registry.FindCall("Two");
    const auto* notice = registry.FindCall("Notice");
    ASSERT_TRUE(two && notice);
    const std::pair<const app::ScriptRegistry::Call*, app::CallArgs> refused[] = {
        {two, {"1"}},
        {two, {"1", "2", "3"}},
        {two, {"1", "2147483648"}},
        {two, {"-2147483649", "1"}},
        {two, {"99999999999999999999999", "1"}},
        {two, {"one", "1"}},
        {notice, {}},
        {notice, {"a", "b", "c"}},
        {notice, {"a", "b", "1", "d"}},
    };
    const char* why[] = {
        "takes 2 arguments, not 1",
        "takes 2 arguments, not 3",
        "argument 2 is not a 32-bit whole number: 2147483648",
        "argument 1 is not a 32-bit whole number: -2147483649",
        "argument 1 is not a 32-bit whole number: 99999999999999999999999",
        "argument 1 is not a 32-bit whole number: one",
        "takes 1 to 3 arguments, not 0",
        "argument 3 is not a 32-bit whole number: c",
        "takes 1 to 3 arguments, not 4",
    };
    for (std::size_t i = 0; i < std::size(refused); ++i) {
        std::string reason;
        EXPECT_FALSE(refused[i].first->Accepts(refused[i].second, reason)) << i;
        EXPECT_EQ(reason, why[i]);
    }
    std::string reason;
    EXPECT_TRUE(two->Accepts({"-2147483648", "2147483647"}, reason)) << reason;
    EXPECT_TRUE(notice->Accepts({"a"}, reason)) << reason;
    EXPECT_TRUE(notice->Accepts({"a", "b", "-1"}, reason)) << reason;
    EXPECT_EQ(runs, 0);
}

}  // namespace
