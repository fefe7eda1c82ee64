#include "gameplay/LevelRules.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

using Slots = std::array<std::int32_t, kListSlots>;

void queueIds(Fila& fila, int count)
{
    for (int id = 1; id <= count; ++id) {
        Objeto objeto{id};
        fila.Insere(objeto);
    }
}

// Object id i + 1 at 50x40, each in its own 100-pixel cell of one long row.
std::vector<sf::FloatRect> row(int count)
{
    std::vector<sf::FloatRect> bounds;
    for (int i = 0; i < count; ++i)
        bounds.emplace_back(float(i) * 100.f, 0.f, 50.f, 40.f);
    return bounds;
}

sf::Vector2f centreOf(const sf::FloatRect& r) { return {r.left + r.width / 2, r.top + r.height / 2}; }

}  // namespace

TEST(FindAt, OnlyTheCurrentTargetCanBeFound)
{
    Fila fila;
    queueIds(fila, 5);
    const auto bounds = row(5);
    EXPECT_EQ(rules::findAt(fila, bounds, centreOf(bounds[1])), 0);  // object 2 before object 1
    EXPECT_EQ(rules::findAt(fila, bounds, {700.f, 500.f}), 0);        // on nothing
    EXPECT_EQ(rules::findAt(fila, bounds, centreOf(bounds[0])), 1);
    EXPECT_EQ(rules::findAt(fila, bounds, centreOf(bounds[0])), 0);  // found once only
    EXPECT_EQ(fila.first(), 2);
}

TEST(FindAt, LeftAndTopEdgesInsideRightAndBottomOutside)
{
    const std::vector<sf::FloatRect> bounds{{100.f, 200.f, 40.f, 30.f}};
    const std::pair<sf::Vector2f, std::int32_t> cases[] = {
        {{100.f, 200.f}, 1}, {{139.9f, 229.9f}, 1}, {{140.f, 215.f}, 0},
        {{120.f, 230.f}, 0}, {{99.9f, 215.f}, 0},   {{120.f, 199.9f}, 0},
    };
    for (const auto& [point, found] : cases) {
        Fila fila;
        queueIds(fila, 1);
        EXPECT_EQ(rules::findAt(fila, bounds, point), found) << point.x << "," << point.y;
        EXPECT_EQ(fila.Vazia(), found == 1);
    }
}

TEST(FindAt, OverlapFindsTheTargetAndOnePressFindsOneObject)
{
    const std::vector<sf::FloatRect> bounds{{100.f, 100.f, 50.f, 50.f}, {120.f, 120.f, 50.f, 50.f}};
    const sf::Vector2f overlap{130.f, 130.f};
    Fila fila;
    queueIds(fila, 2);

    EXPECT_EQ(rules::findAt(fila, bounds, overlap), 1);
    EXPECT_EQ(fila.first(), 2);  // object 2 under the same point stays to find
    EXPECT_EQ(rules::findAt(fila, bounds, overlap), 2);
    EXPECT_EQ(rules::findAt(fila, bounds, overlap), 0);  // queue empty: nothing, no crash
    EXPECT_TRUE(fila.Vazia());
}

TEST(FindAt, PictureThatFailedToLoadCannotBeFound)
{
    const std::vector<sf::FloatRect> bounds{{0.f, 0.f, 0.f, 0.f}};
    Fila fila;
    queueIds(fila, 1);
    EXPECT_EQ(rules::findAt(fila, bounds, {0.f, 0.f}), 0);
    EXPECT_FALSE(fila.Vazia());
}

TEST(Countdown, StepsOnceAWholeSecondHasPassed)
{
    struct Case {
        int tempo;
        float seconds;
        bool stepped;
        int after;
    };
    const Case cases[] = {
        {60, 1.0f, true, 59},  {60, 0.999f, false, 60}, {60, 5.7f, true, 59},  // no catch-up
        {10, 1.999f, true, 9}, {10, 0.0f, false, 10},   {10, -1.5f, false, 10},
        {1, 1.0f, true, 0},    {0, 1.0f, false, 0},     {0, 30.0f, false, 0},
    };
    for (const Case& c : cases) {
        int tempo = c.tempo;
        EXPECT_EQ(rules::countdownStep(tempo, c.seconds), c.stepped) << c.tempo << " after " << c.seconds << " s";
        EXPECT_EQ(tempo, c.after) << c.tempo << " after " << c.seconds << " s";
    }
}

TEST(Countdown, SixtySecondsRunOutAfterSixtySteps)
{
    int tempo = 60;
    int steps = 0;
    for (int frame = 0; frame < 65; ++frame) {
        steps += rules::countdownStep(tempo, 1.0f) ? 1 : 0;
        EXPECT_EQ(tempo, std::max(0, 59 - frame));
    }
    EXPECT_EQ(steps, 60);
}

// Plays a level of each size to the end by pressing on every target in turn;
// after f finds the slots show the next five ids f+1, f+2, ... and 0 past the last.
TEST(ListSlots, FollowTheFindsToTheEndOfEveryLevel)
{
    for (int count : {5, 10, 15}) {
        Fila fila;
        queueIds(fila, count);
        const auto bounds = row(count);
        for (int found = 0; found <= count; ++found) {
            Slots expected{};
            for (int k = 0; k < kListSlots; ++k)
                expected[k] = found + k + 1 <= count ? found + k + 1 : 0;
            EXPECT_EQ(rules::listSlots(fila), expected) << count << " objects, " << found << " found";
            if (found < count) {
                ASSERT_EQ(rules::findAt(fila, bounds, centreOf(bounds[found])), found + 1);
            }
        }
    }
}

TEST(PressLine, PressedWordOrPointerPosition)
{
    EXPECT_EQ(rules::pressLine(PressLine::Pressed, {412, 305}), "Pressed");
    EXPECT_EQ(rules::pressLine(PressLine::Position, {412, 305}), "412,305");
    EXPECT_EQ(rules::pressLine(PressLine::Position, {-3, -17}), "-3,-17");
    EXPECT_EQ(rules::pressLine(PressLine::Position, {0, 0}), "0,0");
}

TEST(Outcome, WinBeatsLossAndTheQueueIsLeftAlone)
{
    Fila empty;
    EXPECT_EQ(rules::outcome(empty, 0), std::optional<int>(7));  // last find in the frame the time ran out
    EXPECT_EQ(rules::outcome(empty, 42), std::optional<int>(7));
    Fila fila;
    queueIds(fila, 3);
    EXPECT_EQ(rules::outcome(fila, 0), std::optional<int>(8));
    EXPECT_EQ(rules::outcome(fila, 1), std::nullopt);
    EXPECT_EQ(rules::listSlots(fila), (Slots{1, 2, 3, 0, 0}));
}
