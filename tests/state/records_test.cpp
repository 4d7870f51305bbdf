#include <gtest/gtest.h>

#include "state/records.h"

namespace {

using namespace state;

TEST(ScenarioRecords, NumberTextsAndGarbageReadSafely) {
    EXPECT_EQ(ParseNumber("1000"), 1000);
    EXPECT_EQ(ParseNumber("-17"), -17);
    EXPECT_EQ(ParseNumber(" 42 "), 42);
    EXPECT_EQ(ParseNumber("+8"), 8);
    EXPECT_EQ(ParseNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseNumber("-2147483648"), -2147483647 - 1);
    // Not a number, or not one that fits: 0, never an exception.
    EXPECT_EQ(ParseNumber(""), 0);
    EXPECT_EQ(ParseNumber("12abc"), 0);
    EXPECT_EQ(ParseNumber("abc"), 0);
    EXPECT_EQ(ParseNumber("2147483648"), 0);
    EXPECT_EQ(ParseNumber("+-3"), 0);
    EXPECT_EQ(ParseNumber("1 2"), 0);
}

TEST(ScenarioRecords, RecordIsLengthBytePlus255AndLongTextsAreCut) {
    RecordWriter writer;
    writer.Text("Hero");
    writer.Number(-250);
    writer.Text(std::string(300, 'x'));
    std::vector<std::uint8_t> bytes = writer.Take();
    ASSERT_EQ(bytes.size(), 3 * kRecordSize);
    EXPECT_EQ(bytes[0], 4);
    EXPECT_EQ(bytes[1], 'H');
    EXPECT_EQ(bytes[5], 0);  // padding
    EXPECT_EQ(bytes[256], 4);
    EXPECT_EQ(bytes[512], 255);

    RecordReader reader(bytes);
    EXPECT_EQ(reader.Text(), "Hero");
    EXPECT_EQ(reader.Number(), -250);
    EXPECT_EQ(reader.Text(), std::string(255, 'x'));

    // A record of random bytes: a length byte of 255 and a number that is no number.
    std::vector<std::uint8_t> garbage(kRecordSize, 0xff);
    EXPECT_EQ(RecordText(garbage, 0).size(), 255u);
    EXPECT_EQ(RecordReader(garbage).Number(), 0);
}

}  // namespace
