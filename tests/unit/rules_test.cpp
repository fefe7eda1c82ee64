// The queue of objects still to find and the level rules, driven faster and
// more thoroughly than through the game.
#include "gameplay/LevelRules.hpp"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

namespace {
using Ids = std::vector<int>;
using Slots = std::array<std::int32_t, kListSlots>;

void push(Fila& fila, const Ids& ids)
{
    for (int id : ids) {
        Objeto objeto{id};
        fila.Insere(objeto);
    }
}

Ids drain(Fila& fila)
{
    Ids ids;
    while (!fila.Vazia())
        ids.push_back(fila.Retira());
    return ids;
}

}  // namespace

// firstfive(k) is the k-th id for k = 1 to 5, else 0; counting drains and refills in order.
TEST(Fila, FirstFiveAndCountKeepTheOrder)
{
    const Ids cases[][2] = {{{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}}, {{4, 5}, {4, 5, 0, 0, 0}}, {{7}, {7, 0, 0, 0, 0}},
                            {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5}}, {{8, 9, 8}, {8, 9, 8, 0, 0}}};
    for (const auto& [queued, expected] : cases) {
        Fila fila;
        push(fila, queued);
        EXPECT_EQ(fila.first(), queued.front());
        for (int k = -1; k <= 6; ++k)
            EXPECT_EQ(fila.firstfive(k), k >= 1 && k <= 5 ? expected[k - 1] : 0) << queued.size() << " queued, k=" << k;
        EXPECT_EQ(fila.Contador(), int(queued.size()));
        EXPECT_EQ(fila.Contador(), int(queued.size()));  // neither loses nor duplicates
        EXPECT_EQ(drain(fila), queued);
    }
}

TEST(Fila, SmallRingsKeepWorkingAfterRemovals)
{
    Fila fila;
    push(fila, {3});
    EXPECT_EQ(fila.Retira(), 3);
    EXPECT_EQ(fila.first(), 0);  // no node to read
    EXPECT_EQ(fila.Contador(), 0);
    push(fila, {1, 2});
    EXPECT_EQ(fila.Retira(), 1);  // the last of two must now point at itself
    EXPECT_EQ(fila.firstfive(2), 0);
    push(fila, {8, 9});
    EXPECT_EQ(drain(fila), (Ids{2, 8, 9}));
}

// A press finds the current target only, inside its picture (left and top
// edges in, right and bottom out), one object per press; a picture that did
// not load (empty bounds) cannot be found.
TEST(FindAt, TargetEdgesOverlapAndEmptyPictures)
{
    const std::vector<sf::FloatRect> bounds{{100, 200, 40, 30}, {120, 210, 40, 30}, {300, 300, 10, 10}, {0, 0, 0, 0}};
    struct Press {
        sf::Vector2f point;
        std::int32_t found;
    };
    const Press presses[] = {{{150, 220}, 0}, {{140, 215}, 0},     {{120, 230}, 0}, {{99.9f, 215}, 0},
                             {{120, 199.9f}, 0}, {{139.9f, 229.9f}, 1}, {{139.9f, 229.9f}, 2}, {{310, 305}, 0},
                             {{305, 310}, 0}, {{300, 300}, 3}, {{0, 0}, 0}};
    Fila fila;
    push(fila, {1, 2, 3, 4});
    for (const Press& p : presses)
        EXPECT_EQ(rules::findAt(fila, bounds, p.point), p.found) << p.point.x << "," << p.point.y;
    EXPECT_EQ(drain(fila), Ids{4});
    EXPECT_EQ(rules::findAt(fila, bounds, {0, 0}), 0);  // an empty queue finds nothing
}

// (tempo, seconds since the last step, whether it steps, tempo after)
TEST(Countdown, StepsOnceAWholeSecondHasPassed)
{
    const std::tuple<int, float, bool, int> cases[] = {
        {60, 1.0f, true, 59},  {60, 0.999f, false, 60}, {60, 5.7f, true, 59},  // no catch-up
        {10, 1.999f, true, 9}, {10, 0.0f, false, 10},   {10, -1.5f, false, 10},
        {1, 1.0f, true, 0},    {0, 1.0f, false, 0},     {0, 30.0f, false, 0},
    };
    for (auto [tempo, seconds, stepped, after] : cases) {
        const int before = tempo;
        EXPECT_EQ(rules::countdownStep(tempo, seconds), stepped) << before << " after " << seconds << " s";
        EXPECT_EQ(tempo, after) << before << " after " << seconds << " s";
    }
}

TEST(Outcome, WinBeatsLossAndTheQueueIsLeftAlone)
{
    Fila empty;
    EXPECT_EQ(rules::outcome(empty, 0), std::optional<int>(7));  // the last find in the frame the time ran out
    EXPECT_EQ(rules::outcome(empty, 42), std::optional<int>(7));
    Fila fila;
    push(fila, {1, 2, 3});
    EXPECT_EQ(rules::outcome(fila, 0), std::optional<int>(8));
    EXPECT_EQ(rules::outcome(fila, 1), std::nullopt);
    EXPECT_EQ(rules::listSlots(fila), (Slots{1, 2, 3, 0, 0}));
}
