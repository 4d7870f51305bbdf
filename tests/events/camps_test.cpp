// The camps and the settlers: prices at their boundaries, refusals, countdowns, and the rule of
// a computer lord.
#include "campaign/visit_site.h"
#include "events/events_fixture.h"
#include "state/game_state.h"

namespace eventtest {
namespace {

namespace S = state::MapSite;
namespace A = state::Army;
namespace L = state::Lord;

struct CampCase {
    int kind, price, slot, troops;
    const char* title;
    const char* hired;
    const char* waiting;
};

const CampCase kCases[] = {
    {4, 500, A::fast, 1, "Crusader camp",
     "You hire the knights. A new batallion is expected in some time (30 turns).",
     "The camp of crusaders is almost abandoned. A kid tells you a new batallion of knights is "
     "expected in 1 turns."},
    {5, 400, A::archers, 1, "Mercenary camp",
     "You hire the archers. A new batallion is expected in some time (30 turns).",
     "The mercenary camp is abandoned. Someone tells you a new batallion of archers is expected "
     "in 1 turns."},
    {6, 600, A::soldiers, 2, "Mercenary camp",
     "You hire the soldiers. New units are expected in some time (30 turns).",
     "The mercenary camp is abandoned. Someone tells you two new batallions of soldiers are "
     "expected in 1 turns."},
};

TEST_F(EventsTest, AHumanHiresAtACampWithExactlyThePriceAndIsRefusedOneShort) {
    for (const CampCase& c : kCases) {
        SCOPED_TRACE(c.kind);
        PlaceSite(3, c.kind, 5, 5);
        Site(3)[S::countdown] = 0;
        // One short: the refusal, nothing changes.
        Lord(1)[L::gold] = c.price - 1;
        const int before = state::G().army[1][c.slot];
        dialogs.Answer(1);
        VisitWith(1, 3);
        EXPECT_EQ(dialogs.Shown()[dialogs.Shown().size() - 2].title, c.title);
        EXPECT_EQ(dialogs.Last().text, "Sorry, but you do not have enough gold...");
        EXPECT_EQ(Lord(1)[L::gold], c.price - 1);
        EXPECT_EQ(Site(3)[S::countdown], 0);
        // Exactly the price.
        Lord(1)[L::gold] = c.price;
        dialogs.Answer(1);
        VisitWith(1, 3);
        EXPECT_EQ(dialogs.Last().text, c.hired);
        EXPECT_EQ(Lord(1)[L::gold], 0);
        EXPECT_EQ(state::G().army[1][c.slot], before + c.troops);
        EXPECT_EQ(Site(3)[S::countdown], 30);
        // Leaving changes nothing.
        Site(3)[S::countdown] = 0;
        Lord(1)[L::gold] = 5000;
        dialogs.Answer(2);
        VisitWith(1, 3);
        EXPECT_EQ(Lord(1)[L::gold], 5000);
        // A running countdown: the waiting text with its number.
        Site(3)[S::countdown] = 1;
        VisitWith(1, 3);
        EXPECT_EQ(dialogs.Last().kind, "TFMessage2");
        EXPECT_EQ(dialogs.Last().text, c.waiting);
        EXPECT_EQ(Lord(1)[L::gold], 5000);
    }
}

TEST_F(EventsTest, AComputerLordHiresAtACampOnlyWithThePriceAndNoCountdown) {
    for (const CampCase& c : kCases) {
        SCOPED_TRACE(c.kind);
        PlaceSite(3, c.kind, 5, 5);
        Site(3)[S::countdown] = 0;
        const int before = state::G().army[2][c.slot];
        Lord(2)[L::gold] = c.price - 1;
        VisitWith(2, 3);
        EXPECT_EQ(state::G().army[2][c.slot], before);
        Lord(2)[L::gold] = c.price;
        Site(3)[S::countdown] = 1;
        VisitWith(2, 3);
        EXPECT_EQ(Lord(2)[L::gold], c.price);
        Site(3)[S::countdown] = 0;
        VisitWith(2, 3);
        EXPECT_EQ(Lord(2)[L::gold], 0);
        EXPECT_EQ(state::G().army[2][c.slot], before + c.troops);
        EXPECT_EQ(Site(3)[S::countdown], 30);
    }
    EXPECT_TRUE(dialogs.Shown().empty());
}

TEST_F(EventsTest, SettlersBecomeTheLordsCityAtTheirPrice) {
    PlaceSite(4, 7, 6, 6);
    Site(4)[S::taxes] = 77;
    Site(4)[S::countdown] = 5;  // the human's offer does not look at it
    // 9999 gold: the large garrison is refused ...
    Lord(1)[L::gold] = 9999;
    dialogs.Answer(2);
    VisitWith(1, 4);
    EXPECT_EQ(dialogs.Shown()[0].picture, "d2_scoundrel.jpg");
    EXPECT_EQ(dialogs.Shown()[0].title, "Settlers:");
    EXPECT_EQ(dialogs.Last().text, "Sorry, but you do not have enough gold...");
    EXPECT_EQ(Site(4)[S::kind], 7);
    // ... while the small city is bought.
    dialogs.Answer(1);
    VisitWith(1, 4);
    EXPECT_EQ(dialogs.Last().text, "With your money the settlers are able to build up a city.");
    EXPECT_EQ(Lord(1)[L::gold], 3999);
    EXPECT_EQ(Site(4)[S::kind], 1);
    EXPECT_EQ(Site(4)[S::owner], 1);
    EXPECT_EQ(Site(4)[S::size], 1);
    EXPECT_EQ(Site(4)[S::taxes], 0);
    // Exactly 10000 for the large garrison.
    PlaceSite(5, 7, 7, 6);
    Lord(1)[L::gold] = 10000;
    dialogs.Answer(2);
    VisitWith(1, 5);
    EXPECT_EQ(Lord(1)[L::gold], 0);
    EXPECT_EQ(Site(5)[S::size], 2);
    EXPECT_EQ(Site(5)[S::owner], 1);
}

TEST_F(EventsTest, ComputerSettlersFoundASmallCityWhenTheCountdownIsZero) {
    PlaceSite(4, 7, 6, 6);
    Lord(3)[L::gold] = 5999;
    VisitWith(3, 4);
    EXPECT_EQ(Site(4)[S::kind], 7);
    Lord(3)[L::gold] = 20000;
    Site(4)[S::countdown] = 1;
    VisitWith(3, 4);
    EXPECT_EQ(Site(4)[S::kind], 7);
    Site(4)[S::countdown] = 0;
    VisitWith(3, 4);
    EXPECT_EQ(Lord(3)[L::gold], 14000);
    EXPECT_EQ(Site(4)[S::kind], 1);
    EXPECT_EQ(Site(4)[S::owner], 3);
    EXPECT_EQ(Site(4)[S::size], 1);
    EXPECT_TRUE(dialogs.Shown().empty());
}

}  // namespace
}  // namespace eventtest
