// The room events: each a short scene of message windows with a choice, a chance and its
// effects on health, gold, honor, the room's item and the lord's quest objects.
#include "dungeon/room_events.h"

#include <algorithm>
#include <string>

#include "dungeon/exploration.h"
#include "dungeon/hero_access.h"
#include "dungeon/room_content.h"
#include "dungeon/treasure.h"
#include "rules/dialogs.h"
#include "rules/lords.h"
#include "rules/view_hooks.h"
#include "state/int_math.h"
#include "state/random.h"
#include "state/value_ranges.h"

namespace logic {

namespace Hero = state::Hero;
namespace Room = state::Room;

namespace {

constexpr const char* kBook = "m1_book.jpg";
constexpr int kItemTries = 3;
constexpr int kStatueGold = 500;

constexpr const char* kSomethingWrong =
    "Entering this room you have a strange feeling of danger. You look around ready to defend "
    "yourself, but you do not notice anyone. Still, the feeling does not pass away. Continue?";

// An event whose first choice takes a risk: a chance of injury, then the bag (or gold).
struct RiskyEvent {
    int event;
    const char* title;
    const char* text;
    const char* option1;
    const char* option2;
    int injuryChance;     // of 100
    const char* picture;  // of the outcome windows
    const char* hurtTitle;
    const char* hurtText;
    const char* safeTitle;
    const char* safeText;
    bool handOut;  // the room's item is handed out (else the statue's gold)
};

constexpr RiskyEvent kRiskyEvents[] = {
    {RoomEvent::pit, "Something is wrong...", kSomethingWrong, "Enter the room", "Go back", 40,
     kBook, "Pit!",
     "Right beneath your feet a panel opens and you fall into a 10 foot deep pit. You are "
     "seriously hurt.",
     "Pit!",
     "Just in time you notice a small difference in the floor tiles in front of you. Its a 10 "
     "foot deep pit! Carefully you walk around it.",
     true},
    {RoomEvent::arrowTrap, "Something is wrong...", kSomethingWrong, "Enter the room", "Go back",
     40, "m1_traps_poisondarts.jpg", "Arrow trap!",
     "You step on a trapped floor tile and with a buzzing sound a couple of arrows hit you from a "
     "hidden device on one of the walls. Your whole body begins to feel leaden and numb. The "
     "arrows appear to have been poisened.",
     "Arrow trap!",
     "When one of the floor tiles beneath your feet suddenly gives way you know you are in "
     "serious trouble. With inhuman speed you jump to the side just in time to avoid a couple of "
     "arrows being shot from a hidden device.",
     true},
    {RoomEvent::wormHole, "Worm hole",
     "In the middle of the room you notice a bag lying in a shallow pit filled with slimy "
     "creeping worms. Its disgusting! If you lunge for the bag you will have to dig your hand "
     "into the worms.",
     "Get the bag", "Leave", 20, kBook, "Bitten!",
     "You curse everything as one of the worms bites you. Frighteningly fast your whole arm "
     "begins to swell and hurt.",
     "Worm hole",
     "You are able to get the bag without being bitten (although your whole body trembles).", true},
    {RoomEvent::statue, "Statue",
     "You come to a small shrine. You see a small statue with one large emerald eye (500 gold) in "
     "the head. Obviously someone worships this unknown god.",
     "Steal emerald eye", "Leave", 40, kBook, "Statue",
     "You try to cut the emerald from the statue. As you loosen it a poisonous gas flows through "
     "the empty socket seriously injuring your face.",
     "Statue", "Nothing happens as you cut the emerald eye from the statue.", false},
    {RoomEvent::chasm, "Chasm",
     "A chasm divides the room. There is a small plank connecting both sides. On the other side "
     "you see a small bag.",
     "Use the plank", "Leave", 30, kBook, "Chasm",
     "You slip on the deceptively wet plank and fall ten feet deep into the chasm. Ouch!", "Chasm",
     "You make it across the chasm and open the bag.", true},
};

state::RecordOf<100>& ThisRoom() {
    return *HeroRoom();
}

void RoomItem(int tries = 1) {
    int item = 0;
    for (int i = 0; i < tries && item == 0; ++i)
        item = RandomItemOfHeroLevel();
    ThisRoom()[Room::treasure] = item;
}

int RoomItemRow() {
    const int t = ThisRoom()[Room::treasure];
    return ValidItem(t) ? t : 0;
}

// Health lost to a trap: a draw in [0, BaseMaxHealth / 2) plus BaseMaxHealth / 4.
void Injury() {
    auto& hero = HeroRecord();
    const int base = hero[Hero::baseMaxHealth];
    hero[Hero::health] =
        state::AddWithin(hero[Hero::health], -std::int64_t{state::Random(base / 2) + base / 4},
                         state::kLowestHeroHealth, state::kHighestHeroHealth);
    Hooks().Sound().Play(sound::Effect::Alert);
    Hooks().Dungeon().SetHeroPicture(HeroPicture(CurrentLordChecked(), "_red.jpg"));
    Hooks().Dungeon().StartTimer(DuelTimer::HeroFlash);
    DrawHeroStatus();
}

// After the message of an injury: a hero below 1 health dies, and the event ends there.
bool DiedOfInjury() {
    if (HeroRecord()[Hero::health] >= 1) return false;
    HeroDies();
    return true;
}

void TurnBack() {
    auto& hero = HeroRecord();
    ThisRoom()[Room::visited] = 0;
    if (OnBoard(hero[Hero::prevX], hero[Hero::prevY])) {
        hero[Hero::posX] = hero[Hero::prevX];
        hero[Hero::posY] = hero[Hero::prevY];
    }
}

void ChangeHonor(int n) {
    auto& honor = LordRecord(HeroLord())[state::Lord::honor];
    honor = std::max(0, honor + n);
}

int Honor() {
    return LordRecord(HeroLord())[state::Lord::honor];
}

void Notice(const std::string& title, const std::string& text, const char* picture = kBook) {
    UI().ShowNotice(picture, title, text);
}

void RunRisky(const RiskyEvent& e) {
    RoomItem();
    ThisRoom()[Room::visited] = 1;
    const int answer = UI().AskChoice(kBook, e.title, e.text, e.option1, e.option2);
    if (answer != 1) {
        TurnBack();
        return;
    }
    ThisRoom()[Room::event] = 0;
    if (state::Random(100) < e.injuryChance) {
        Injury();
        Notice(e.hurtTitle, e.hurtText, e.picture);
        if (DiedOfInjury()) return;
    } else {
        Notice(e.safeTitle, e.safeText, e.picture);
    }
    if (e.handOut) {
        HandOutRoomTreasure(false);
    } else {
        AddGold(kStatueGold);
    }
}

void RunWizard() {
    RoomItem(kItemTries);
    ThisRoom()[Room::visited] = 1;
    Notice("Insane wizard",
           "As you enter the room you see an old man sitting on the bare floor reading a very old "
           "book. He looks up and begins to giggle. You prepare to defend yourself.",
           "m1_sorcerer.jpg");
    const int price = WizardPrice(RoomItemRow());
    if (HeroRecord()[Hero::goldCarried] < price) {
        Notice("Insane wizard",
               "\"Too bad you are broke\" he shouts and before you can take any action he "
               "disappears.");
        ThisRoom()[Room::visited] = 0;
        return;
    }
    const int answer = UI().AskChoice(
        kBook, "Insane wizard",
        "\"Hold on,\" he says still giggling. \"I do have something here for you,\" he grins. "
        "\"Lets play a game. You pay me ... lets say ... " +
            std::to_string(price) +
            " gold and you get my treasure. No, I will not show it to you before you have made "
            "your decision.\"",
        "Make the deal", "Refuse");
    ThisRoom()[Room::event] = 0;
    if (answer == 1) {
        HeroRecord()[Hero::goldCarried] =
            state::AddSaturated(HeroRecord()[Hero::goldCarried], -std::int64_t{price});
        Notice("Insane wizard",
               "\"Good, good,\" giggles the wizard and disappears. On the ground you find a small "
               "bag - curiously you take a look.");
        HandOutRoomTreasure(false);
    } else {
        Notice("Insane wizard",
               "The wizard shrugs. \"Your decision,\" he whispers and before you can take any "
               "action he disappears.");
    }
}

void RunTrader() {
    RoomItem(kItemTries);
    ThisRoom()[Room::visited] = 1;
    Notice("Trader",
           "\"A customer! You are welcome,\" shouts a small fat man with bald head as you enter "
           "the room. You watch him suspicously and he almost jumps praising his goods to you. "
           "There appears to be only one thing you might be interested in buying.");
    const int item = RoomItemRow();
    if (item != 0) PreviewItem(item);
    const int price = TraderPrice(item);
    if (HeroRecord()[Hero::goldCarried] < price) {
        ThisRoom()[Room::event] = 0;
        Notice("Trader",
               "Unfortunately you do not have enough money to pay the price he demands. You think "
               "about taking it by force, but then you notice the crossbow in the hands of the "
               "trader. \"I do not do business with beggars,\" he shouts.");
        return;
    }
    const int answer =
        UI().AskChoice(kBook, "Trader",
                       "\"A wise choice, Sire, its yours for just " + std::to_string(price) +
                           " gold. An insignificant sum for such an important lord "
                           "as you.\"",
                       "Make the deal", "Reject");
    ThisRoom()[Room::event] = 0;
    if (answer == 1) {
        HeroRecord()[Hero::goldCarried] =
            state::AddSaturated(HeroRecord()[Hero::goldCarried], -std::int64_t{price});
        Notice("Trader",
               "\"Perfect,\" he says counting the gold you gave him. You get the item, say "
               "goodbye and leave the room.");
        HandOutRoomTreasure(false);
    } else {
        Notice("Trader",
               "You see the disappointment on his face. For a second you think about taking it by "
               "force, but then you notice the crossbow in the hands of the trader. \"Leave, "
               "foolish scum, I do not do business with beggars,\" he shouts.");
    }
}

void RunCorpse() {
    RoomItem();
    ThisRoom()[Room::event] = 0;
    ThisRoom()[Room::visited] = 1;
    const int answer = UI().AskChoice(
        kBook, "Rotten corpse",
        "On the ground you find a half-rotten human corpse. It appears to have been an unlucky "
        "adventurer.",
        "Search him (-2 honor)", "Say a prayer (+2 honor)", Honor() >= 2);
    if (answer == 1 && Honor() >= 2) {
        ChangeHonor(-2);
        Notice("Lost honor!", "You lose two honor points...", "honor.jpg");
        Notice("Rotten corpse",
               "Its a filthy and disgusting job. Finally, though, you find something valuable.");
        HandOutRoomTreasure(false);
    } else if (answer == 2) {
        ChangeHonor(2);
        Notice("Honor!", "You gain two honor points...", "honor.jpg");
        Notice("Rotten corpse",
               "You pray to the gods for the peace of this tormented soul. Somehow you feel as if "
               "your prayers have been noticed.");
    }
}

void RunSpirit() {
    RoomItem();
    ThisRoom()[Room::event] = 0;
    ThisRoom()[Room::visited] = 1;
    const int answer = UI().AskChoice(
        kBook, "Caged spirit",
        "There is a small flask on a gallery. Inside you notice a tiny figure shimmering golden. "
        "Its a caged spirit! \"Please free me,\" it whispers. You can hear its voice in your head.",
        "Accept (+1 honor)", "Reject (-1 honor)", true, Honor() >= 1);
    if (answer == 1) {
        ChangeHonor(1);
        Notice("Honor!", "You gain one honor point...");
        Notice("Caged spirit",
               "\"I bless you my friend,\" the creature whispers before it "
               "disappears.");
    } else if (answer == 2 && Honor() >= 1) {
        ChangeHonor(-1);
        Notice("Lost honor!", "You lose one honor point...");
        Notice("Caged spirit",
               "\"Please,\" it pleads. \"In return for this favor I will summon you a fine item to "
               "help you on your path.\" Finally you agree and receive a treasure...");
        HandOutRoomTreasure(false);
    }
}

void RunQuestObject(int flag, const char* title, const char* text) {
    RoomItem();
    ThisRoom()[Room::event] = 0;
    ThisRoom()[Room::visited] = 1;
    LordRecord(HeroLord())[flag] = 1;
    Notice(title, text);
}

}  // namespace

int WizardPrice(int item) {
    const int v = item == 0 ? 0 : ItemSaleValue(item);
    return v + v / 2;
}

int TraderPrice(int item) {
    return item == 0 ? 0 : 4 * ItemSaleValue(item);
}

void RunRoomEvent(int event) {
    if (HeroRoom() == nullptr) return;
    bool known = true;
    switch (event) {
        case RoomEvent::wizard:
            RunWizard();
            break;
        case RoomEvent::trader:
            RunTrader();
            break;
        case RoomEvent::corpse:
            RunCorpse();
            break;
        case RoomEvent::spirit:
            RunSpirit();
            break;
        case RoomEvent::voodooDoll:
            RunQuestObject(state::Lord::voodooDoll, "Voodoo doll",
                           "On the ground you find a strange voodoo doll. If you could find an "
                           "evil sorcerer he might be able to curse someone with this artefact "
                           "for you. You take it with you.");
            break;
        case RoomEvent::magicDust:
            RunQuestObject(state::Lord::magicDust, "Magic dust",
                           "On the ground you find a small pouch. It contains a white powder that "
                           "is glittering strangely. You remember a rumor you heard. Such dust "
                           "scattered on a shrine shall reveal a treasure.");
            break;
        default: {
            const auto* e = std::find_if(std::begin(kRiskyEvents), std::end(kRiskyEvents),
                                         [event](const RiskyEvent& r) { return r.event == event; });
            known = e != std::end(kRiskyEvents);
            if (known) RunRisky(*e);
        }
    }
    if (known && state::G().inDungeon == 1) DrawDungeon();
}

}  // namespace logic
