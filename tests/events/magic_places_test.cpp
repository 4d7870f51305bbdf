// The travelling sorcerer, the magic shrine, the witch hut and the ritual place.
#include "campaign/visit_site.h"
#include "events/events_fixture.h"
#include "rules/view_hooks.h"
#include "state/game_state.h"

namespace eventtest {
namespace {

namespace S = state::MapSite;
namespace L = state::Lord;

constexpr const char* kSorcererText =
    "You meet a travelling sorcerer. He offers to curse your enemies for you for 2000 gold "
    "coins and a voodoo doll (all enemy lords lose two experience levels, you lose 6 honor "
    "points).";

class FoundItems final : public logic::DungeonView {
  public:
    std::vector<int> opened;
    void OpenFoundItem(int item, const logic::ItemDetailView&, int) override {
        opened.push_back(item);
    }
};

TEST_F(EventsTest, TheSorcererRefusesInTheOrderDollHonorGold) {
    PlaceSite(2, 2, 4, 4);
    struct Case {
        int doll, honor, gold;
        const char* picture;
        const char* refusal;
    } cases[] = {
        {0, 0, 0, "honor.jpg",
         "Unfortunately you do not have a voodoo doll. You can find it in dungeons."},
        {1, 5, 5000, "honor.jpg",
         "Unfortunately you do not have enough honor. Maybe he can help you later."},
        {1, 6, 1999, "m1_book.jpg", "Unfortunately you do not have enough gold."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.refusal);
        Lord(1)[L::voodooDoll] = c.doll;
        Lord(1)[L::honor] = c.honor;
        Lord(1)[L::gold] = c.gold;
        const auto before = dialogs.Shown().size();
        VisitWith(1, 2);
        ASSERT_EQ(dialogs.Shown().size(), before + 2);
        EXPECT_EQ(dialogs.Shown()[before].text, kSorcererText);
        EXPECT_EQ(dialogs.Last().title, "Travelling sorcerer");
        EXPECT_EQ(dialogs.Last().picture, c.picture);
        EXPECT_EQ(dialogs.Last().text, c.refusal);
        EXPECT_EQ(Lord(1)[L::gold], c.gold);
        EXPECT_EQ(Lord(1)[L::voodooDoll], c.doll);
    }
}

TEST_F(EventsTest, TheSorcerersCurseLowersOnlyLivingComputerHeroesDownToOne) {
    PlaceSite(2, 2, 4, 4);
    Lord(1)[L::voodooDoll] = 1;
    Lord(1)[L::honor] = 6;
    Lord(1)[L::gold] = 2000;
    Lord(1)[L::heroLevel] = 5;
    Lord(2)[L::heroLevel] = 2;
    Lord(3)[L::heroLevel] = 7;
    Lord(4)[L::heroLevel] = 6;
    Lord(4)[L::inGame] = 0;
    // Rejected: nothing changes.
    dialogs.Answer(2);
    VisitWith(1, 2);
    EXPECT_EQ(dialogs.Last().buttons,
              (std::vector<std::string>{"Accept (-6 honor, -2000 gold)", "Reject"}));
    EXPECT_EQ(Lord(1)[L::gold], 2000);
    EXPECT_EQ(Lord(2)[L::heroLevel], 2);
    dialogs.Answer(1);
    VisitWith(1, 2);
    EXPECT_EQ(Lord(1)[L::gold], 0);
    EXPECT_EQ(Lord(1)[L::honor], 0);
    EXPECT_EQ(Lord(1)[L::voodooDoll], 0);
    EXPECT_EQ(Lord(1)[L::heroLevel], 5);
    EXPECT_EQ(Lord(2)[L::heroLevel], 1);
    EXPECT_EQ(Lord(3)[L::heroLevel], 5);
    EXPECT_EQ(Lord(4)[L::heroLevel], 6);
    EXPECT_TRUE(hooks.Has("DrawStatusBar"));
    // A computer lord meets no sorcerer.
    const auto shown = dialogs.Shown().size();
    Lord(2)[L::voodooDoll] = 1;
    Lord(2)[L::honor] = 50;
    Lord(2)[L::gold] = 5000;
    VisitWith(2, 2);
    EXPECT_EQ(dialogs.Shown().size(), shown);
    EXPECT_EQ(Lord(2)[L::gold], 5000);
}

TEST_F(EventsTest, TheShrineTurnsDustIntoAnItemOfTheHerosLevelIfThereIsOne) {
    FoundItems view;
    logic::Hooks().SetDungeon(&view);
    PlaceSite(3, 3, 4, 4);
    VisitWith(1, 3);
    EXPECT_EQ(dialogs.Last().title, "Magic shrine");
    EXPECT_NE(dialogs.Last().text.find("propably magic dust."), std::string::npos);
    // Dust, but no item of the hero's level: the dust is used up, no window opens.
    auto& g = state::G();
    g.hero[1][state::Hero::level] = 2;
    g.dungeonLord = 3;
    Lord(1)[L::magicDust] = 1;
    dialogs.Answer(2);
    VisitWith(1, 3);
    EXPECT_EQ(Lord(1)[L::magicDust], 1);
    dialogs.Answer(1);
    VisitWith(1, 3);
    EXPECT_EQ(Lord(1)[L::magicDust], 0);
    EXPECT_EQ(g.dungeonLord, 1);
    EXPECT_NE(dialogs.Last().text.find("find a treasure on the altar."), std::string::npos);
    EXPECT_TRUE(view.opened.empty());
    // An item of level 2 is found.
    g.itemTable[17][state::ItemTable::exists] = 1;
    g.itemTable[17][state::ItemTable::itemKind] = 3;
    g.itemTable[17][state::ItemTable::itemLevel] = 2;
    g.itemTable[17][state::ItemTable::rarity] = 2;
    Lord(1)[L::magicDust] = 1;
    dialogs.Answer(1);
    VisitWith(1, 3);
    EXPECT_EQ(view.opened, std::vector<int>{17});
    logic::Hooks().SetDungeon(nullptr);
}

struct DarkCase {
    int kind, price, flag;
    const char* title;
    const char* waitingTitle;
    const char* gift;
    const char* destroy;
    const char* waiting;
};

const DarkCase kDark[] = {
    {8, 5, L::evilTalisman, "Witch hut:", "Witch hut",
     "The witch giggles when she hands you the evil talisman (+25% battle bonus at the next "
     "battle)",
     "You burn the hut and the witch. The flames throw frighteningly shadows and you shiver "
     "thinking about this cruel death.",
     "You find an abandoned witch hut. Nearby peasants tell you the witch will be back in 20 "
     "turns."},
    {9, 10, L::soulstone, "Soulstone:", "Soulstone",
     "You make the sacrifice (please do not ask for details about what you did exactly).",
     "After the ritual place has been destroyed you feel relieved. A bit less evil in your "
     "realm.",
     "On a clearing you find a ritual place. You see several heads on spears and dried blood is "
     "everywhere. A sign says: \"Temporarily closed for 20 turns.\". You wonder what that "
     "means..."},
};

TEST_F(EventsTest, TheWitchHutAndTheRitualPlaceSellTheirGiftForHonorOrBurn) {
    for (const DarkCase& c : kDark) {
        SCOPED_TRACE(c.kind);
        PlaceSite(5, c.kind, 7, 7);
        Site(5)[S::countdown] = 0;
        Lord(1)[L::honor] = c.price - 1;
        Lord(1)[c.flag] = 0;
        dialogs.Answer(1);
        VisitWith(1, 5);
        EXPECT_EQ(dialogs.Shown()[dialogs.Shown().size() - 2].title, c.title);
        EXPECT_EQ(dialogs.Last().text, "Sorry, but you do not have enough honor...");
        EXPECT_EQ(Lord(1)[c.flag], 0);
        Lord(1)[L::honor] = c.price;
        dialogs.Answer(1);
        VisitWith(1, 5);
        EXPECT_EQ(dialogs.Last().text, c.gift);
        EXPECT_EQ(Lord(1)[L::honor], 0);
        EXPECT_EQ(Lord(1)[c.flag], 1);
        EXPECT_EQ(Site(5)[S::countdown], 20);
        VisitWith(1, 5);
        EXPECT_EQ(dialogs.Last().title, c.waitingTitle);
        EXPECT_EQ(dialogs.Last().text, c.waiting);
        // A computer lord does nothing here.
        const auto shown = dialogs.Shown().size();
        Site(5)[S::countdown] = 0;
        VisitWith(2, 5);
        EXPECT_EQ(dialogs.Shown().size(), shown);
        // Destroyed for good, for 4 honor.
        dialogs.Answer(2);
        VisitWith(1, 5);
        EXPECT_EQ(dialogs.Last().text, c.destroy);
        EXPECT_EQ(Lord(1)[L::honor], 4);
        EXPECT_EQ(Site(5)[S::active], 0);
        EXPECT_EQ(Site(5)[S::kind], c.kind);
    }
}

}  // namespace
}  // namespace eventtest
