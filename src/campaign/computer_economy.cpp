// The computer lords' building and hiring.
#include "campaign/computer_economy.h"

#include <algorithm>
#include <cstdint>

#include "campaign/buildings.h"
#include "campaign/computer_goals.h"
#include "campaign/hiring.h"
#include "rules/lords.h"
#include "state/int_math.h"
#include "state/value_ranges.h"

namespace logic {

namespace Army = state::Army;
namespace Lord = state::Lord;

namespace {

// The lord's gold, honor, wood, iron, stone and gems in the order of a cost row.
constexpr int kCostSlots[6] = {Lord::gold, Lord::honor, Lord::wood,
                               Lord::iron, Lord::stone, Lord::gems};

// Weight index, troop kind and army slot in the order of purchase.
struct Purchase {
    int weight;
    int kind;
    int armySlot;
};
constexpr Purchase kPurchaseOrder[4] = {
    {3, 4, Army::siege}, {1, 2, Army::fast}, {2, 3, Army::archers}, {0, 1, Army::soldiers}};

// The shapes of an enemy army: the first that fits gives the weights.
HireWeights EnemyWeights(int enemy) {
    if (!ValidLord(enemy)) return {1, 2, 2, 1};
    const auto& e = ArmyRecord(enemy);
    const int s = e[Army::soldiers];
    const int q = s / 5;
    const int f = e[Army::fast], a = e[Army::archers], sg = e[Army::siege];
    if (s >= 1 && f < q && a < q && sg < q) return {2, 2, 3, 0};
    if (s >= 1 && f < q && a > q && sg < q) return {2, 3, 2, 0};
    if (s >= 1 && f > q && a < q && sg < q) return {2, 3, 3, 0};
    return {1, 2, 2, 0};
}

}  // namespace

void ComputerBuild(int lord, int building) {
    if (!ValidLord(lord)) return;
    auto& l = LordRecord(lord);
    const CostRow cost = ComputerBuildingCost(building);
    l[Lord::aiTarget] = building;
    if (cost[0] < 1 || HasBuilt(lord, building)) return;
    for (int i = 0; i < 6; ++i) {
        if (l[kCostSlots[i]] < cost[i]) return;
    }
    for (int i = 0; i < 6; ++i)
        l[kCostSlots[i]] -= cost[i];
    l[Lord::Built(building)] = 1;
    l[Lord::aiTarget] = 0;
    if (building == CastleBuilding::keep) l[Lord::moveRange] = kUnlimitedRange;
}

HireWeights ComputerHireWeights(int lord, int enemy) {
    HireWeights w = EnemyWeights(enemy);
    if (!ValidLord(lord)) return {};
    if (LordRecord(lord)[Lord::aiGoal] == Goal::hireTroops && ArmyRecord(lord)[Army::siege] <= 0)
        w = {0, 0, 0, 1};  // saving for siege
    if (!HasBuilt(lord, CastleBuilding::barracks)) w[0] = 0;
    if (!HasBuilt(lord, CastleBuilding::bowmaker)) w[2] = 0;
    if (!HasBuilt(lord, CastleBuilding::stables) && HasBuilt(lord, CastleBuilding::bowmaker))
        w[2] = w[1];
    if (!HasBuilt(lord, CastleBuilding::stables)) w[1] = 0;
    if (!HasBuilt(lord, CastleBuilding::workshop)) w[3] = 0;
    return w;
}

void ComputerHire(int lord, int budget, int enemy) {
    if (!ValidLord(lord)) return;
    const HireWeights w = ComputerHireWeights(lord, enemy);
    const int total = w[0] + w[1] + w[2] + w[3];
    if (total == 0) return;
    auto& l = LordRecord(lord);
    auto& army = ArmyRecord(lord);
    const bool allForSoldiers = l[Lord::aiGoal] == Goal::enemyClose;
    int unspent = budget;
    for (const Purchase& p : kPurchaseOrder) {
        const int weight = w[p.weight];
        const int price = HirePrice(lord, p.kind);
        if (weight <= 0 || price <= 0) continue;
        int amount = budget / total * weight;
        if (amount > unspent || (allForSoldiers && p.kind == 1)) amount = unspent;
        // Only what the stack still takes is bought and paid for.
        const std::int64_t room =
            std::max<std::int64_t>(0, std::int64_t{state::kTroopLimit} - army[p.armySlot]);
        const std::int64_t count = std::min<std::int64_t>(amount / price, room);
        const std::int64_t cost = count * price;
        if (count <= 0 || cost > l[Lord::gold]) continue;
        l[Lord::gold] = state::AddSaturated(l[Lord::gold], -cost);
        unspent = static_cast<int>(unspent - cost);
        army[p.armySlot] = static_cast<int>(army[p.armySlot] + count);
    }
}

}  // namespace logic
