#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "state/value_directory.h"

namespace {

using namespace state;

class ValueDirectory : public ::testing::Test {
  protected:
    std::unique_ptr<GameState> g_ = std::make_unique<GameState>();

    const void* Where(const std::string& expr) {
        Ref ref;
        std::string error;
        EXPECT_TRUE(ResolveValue(expr, ref, error, *g_)) << expr << ": " << error;
        return ref.Address();
    }
    std::string ErrorOf(const std::string& expr) {
        Ref ref;
        std::string error;
        EXPECT_FALSE(ResolveValue(expr, ref, error, *g_)) << expr;
        EXPECT_FALSE(ref.Valid());
        return error;
    }
};

TEST_F(ValueDirectory, NamesLeadToTheirSlots) {
    EXPECT_EQ(Where("Lord[2].gold"), &g_->lord[2][Lord::gold]);
    EXPECT_EQ(Where("Lord[2][2]"), &g_->lord[2][2]);
    EXPECT_EQ(Where(" Lord [ 4 ] . castleY "), &g_->lord[4][Lord::castleY]);
    EXPECT_EQ(Where("Army[0].x"), &g_->army[0][Army::x]);
    EXPECT_EQ(Where("Field[3][4].owner"), &g_->field[3][4][Field::owner]);
    EXPECT_EQ(Where("Field[3][4][5]"), &g_->field[3][4][5]);
    EXPECT_EQ(Where("HeroGear[1][2][3]"), &g_->heroGear[1][2][3]);
    EXPECT_EQ(Where("HeroGear[4][4].item"), &g_->heroGear[4][4][HeroGear::item]);
    EXPECT_EQ(Where("RealmName[2]"), &g_->realmName[2]);
    EXPECT_EQ(Where("MonsterText[3][1]"), &g_->monsterText[3][1]);
    EXPECT_EQ(Where("ItemText[500].shortName"), &g_->itemText[500][ItemText::shortName]);
    EXPECT_EQ(Where("ModText.mapFile"), &g_->modText[ModText::mapFile]);
    EXPECT_EQ(Where("MapSetting.theme"), &g_->mapSetting[MapSetting::theme]);
    EXPECT_EQ(Where("AIFieldScore[12][11]"), &g_->aiFieldScore[12][11]);
    EXPECT_EQ(Where("StoredDungeonPickup[100][7][100]"), &g_->storedDungeonPickup[100][7][100]);
    EXPECT_EQ(Where("ReservedB[1][1][5]"), &g_->reservedB[1][1][5]);
    EXPECT_EQ(Where("TroopType[11].health"), &g_->troopType[11][TroopType::health]);
    EXPECT_EQ(Where("CurrentLord"), &g_->currentLord);
    EXPECT_EQ(Where("currentlord"), &g_->currentLord);
    EXPECT_EQ(Where("BattleOver"), &g_->battleOver);
    EXPECT_EQ(Where("lord[1].GOLD"), &g_->lord[1][Lord::gold]);
}

TEST_F(ValueDirectory, ReadsAndWritesNumbersFlagsAndStrings) {
    Ref ref;
    std::string error;
    ASSERT_TRUE(ResolveValue("Lord[3].gold", ref, error, *g_));
    ASSERT_TRUE(ref.SetText("-250", error));
    EXPECT_EQ(g_->lord[3][Lord::gold], -250);
    EXPECT_EQ(ref.GetText(), "-250");
    EXPECT_FALSE(ref.SetText("12gold", error));
    EXPECT_FALSE(ref.SetText("4294967296", error));
    EXPECT_EQ(g_->lord[3][Lord::gold], -250);

    ASSERT_TRUE(ResolveValue("SoundOn", ref, error, *g_));
    ref.SetInt(5);
    EXPECT_TRUE(g_->soundOn);
    EXPECT_EQ(ref.GetInt(), 1);

    ASSERT_TRUE(ResolveValue("HeroName[1]", ref, error, *g_));
    EXPECT_TRUE(ref.IsText());
    ASSERT_TRUE(ref.SetText(std::string(400, 'n'), error));
    EXPECT_EQ(g_->heroName[1].size(), 255u);
}

TEST_F(ValueDirectory, BadExpressionsAreRefusedWithTheReason) {
    EXPECT_EQ(ErrorOf("Lords[1].gold"), "unknown table or value \"Lords\"");
    EXPECT_EQ(ErrorOf("Lord[5].gold"), "index 5 is out of range 1..4: Lord[1..4][1..100]");
    EXPECT_EQ(ErrorOf("Lord[0][1]"), "index 0 is out of range 1..4: Lord[1..4][1..100]");
    EXPECT_EQ(ErrorOf("Lord[1][101]"), "index 101 is out of range 1..100: Lord[1..4][1..100]");
    EXPECT_EQ(ErrorOf("Field[13][1][1]"),
              "index 13 is out of range 1..12: Field[1..12][1..11][1..100]");
    EXPECT_EQ(ErrorOf("Field[1][12].owner"),
              "index 12 is out of range 1..11: Field[1..12][1..11][1..100]");
    EXPECT_EQ(ErrorOf("TroopType[1][4]"), "index 4 is out of range 1..3: TroopType[1..100][1..3]");
    EXPECT_EQ(ErrorOf("Lord[1].golden"), "Lord has no slot named \"golden\"");
    EXPECT_EQ(ErrorOf("Lord[1]"), "Lord takes 2 indices: Lord[1..4][1..100]");
    EXPECT_EQ(ErrorOf("RealmName"), "RealmName takes 1 index: RealmName[1..4]");
    EXPECT_EQ(ErrorOf("Lord.gold"),
              "a slot name goes in place of the last index: Lord[1..4][1..100]");
    EXPECT_EQ(ErrorOf("CurrentLord[1]"), "too many indices: CurrentLord");
    EXPECT_EQ(ErrorOf("Lord[1][2][3]"), "too many indices: Lord[1..4][1..100]");
    EXPECT_EQ(ErrorOf("Lord[x].gold"),
              "expected a whole number and ']' at position 6 of \"Lord[x].gold\"");
    EXPECT_EQ(ErrorOf("Lord[1.gold"),
              "expected a whole number and ']' at position 7 of \"Lord[1.gold\"");
    EXPECT_EQ(ErrorOf("Lord[1].gold extra"),
              "unexpected text at position 14 of \"Lord[1].gold extra\"");
    EXPECT_EQ(ErrorOf(""), "expected a table or value name in \"\"");
    EXPECT_EQ(ErrorOf("Lord[99999999999][1]"),
              "expected a whole number and ']' at position 6 of \"Lord[99999999999][1]\"");
    EXPECT_EQ(ErrorOf("DungeonPickup[1].used"), "DungeonPickup has no slot named \"used\"");
}

TEST_F(ValueDirectory, EveryTableAndValueIsListed) {
    const std::vector<std::string> lines = DescribeValues();
    auto listed = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(listed("Army[0..4][1..100]"));
    EXPECT_TRUE(listed("MonsterText[0..100][1..10]"));
    EXPECT_TRUE(listed("ItemTable[0..500][1..100]"));
    EXPECT_TRUE(listed("Room[1..7][1..5][1..100]"));
    EXPECT_TRUE(listed("SpawnField[1..10][1..100]"));
    EXPECT_TRUE(listed("ReservedText[1..30][1..10]"));
    EXPECT_TRUE(listed("ReservedA[1..4]"));
    EXPECT_TRUE(listed("AIPlanB[1..48][1..100]"));
    EXPECT_TRUE(listed("MusicStopping"));
    EXPECT_TRUE(listed("TutorialStep"));
    EXPECT_TRUE(listed("EquippedSlot"));
    EXPECT_EQ(lines.size(), 60u);
}

}  // namespace
