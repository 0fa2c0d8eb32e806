#include "tests/support/level_solver.h"

#include <queue>

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <unordered_map>

namespace pendix::game::solver {
namespace {

// Everything of a drive's state that decides its future (the counter does not).
std::uint64_t keyOf(const Car& car) {
    const auto part = [](int v, int bits) { return static_cast<std::uint64_t>(static_cast<std::uint16_t>(v)) & ((1u << bits) - 1); };
    return part(car.pos, 16) | part(car.dir, 16) << 16 | part(car.prevPos, 16) << 32 |
           part(car.turnLeft, 8) << 48 | part(car.turnRight, 8) << 56;
}

struct Node {
    Car car;
    int ticks = 0;
    int presses = 0;
    int turns = 0;
    int parent = -1;  // node before the last tick
    Key key = Key::None;  // pressed before the last tick
};

}  // namespace

BoardTags boardTags(const Level& level) {
    BoardTags tags;
    for (int i = 0; i < kCellCount; ++i) tags[i] = level.cells[i].tag;
    return tags;
}

DriveState startState(const Level& level) {
    DriveState state;
    state.car.pos = level.startPos;
    state.car.dir = level.startDir;
    state.endPos = level.endPos;
    return state;
}

Car pressed(Car car, Key key) {
    if (key == Key::Left) car = {car.pos, car.dir, car.prevPos, 1, 0};
    if (key == Key::Right) car = {car.pos, car.dir, car.prevPos, 0, 1};
    return car;
}

std::optional<Plan> solve(const Level& level) {
    const BoardTags tags = boardTags(level);
    const TagLookup lookup = lookupIn(tags);
    const DriveState start = startState(level);

    // Dijkstra on (ticks, presses): every tick costs one, a press breaks ties.
    std::vector<Node> nodes{Node{start.car}};
    std::unordered_map<std::uint64_t, std::pair<int, int>> best{{keyOf(start.car), {0, 0}}};
    using Entry = std::tuple<int, int, int>;  // ticks, presses, node
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    open.emplace(0, 0, 0);
    while (!open.empty()) {
        const auto [ticks, presses, index] = open.top();
        open.pop();
        if (best[keyOf(nodes[index].car)] != std::pair{ticks, presses}) continue;  // a better way came first
        if (nodes[index].car.pos == start.endPos) {
            // The first state on the end cell out of the queue is the cheapest; its
            // next tick wins without a key.
            Plan plan;
            plan.ticks = ticks + 1;
            plan.presses = presses;
            plan.turns = nodes[index].turns;
            plan.keys.push_back(Key::None);
            for (int at = index; nodes[at].parent >= 0; at = nodes[at].parent) plan.keys.push_back(nodes[at].key);
            std::reverse(plan.keys.begin(), plan.keys.end());
            return plan;
        }
        for (const Key key : {Key::None, Key::Left, Key::Right}) {
            const Node from = nodes[index];
            DriveState state = start;
            state.car = pressed(from.car, key);
            const CarStep step = stepCar(state, lookup);
            Node next{step.state.car, ticks + 1, presses + (key == Key::None ? 0 : 1), from.turns, index, key};
            if (step.effects.decision && step.effects.decision->request == RequestFate::UsedUp) ++next.turns;
            if (step.effects.end != LevelEnd::None) continue;
            const auto cost = std::pair{next.ticks, next.presses};
            const auto [it, fresh] = best.emplace(keyOf(next.car), cost);
            if (!fresh && it->second <= cost) continue;
            it->second = cost;
            nodes.push_back(next);
            open.emplace(next.ticks, next.presses, static_cast<int>(nodes.size()) - 1);
        }
    }
    return std::nullopt;
}

}  // namespace pendix::game::solver
