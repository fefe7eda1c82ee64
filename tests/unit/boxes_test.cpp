#include "menus/ResultScreen.hpp"
#include "menus/howto.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace {
struct BoxCase {
    int x, y;
    std::optional<int> expected;
};
}  // namespace

TEST(HowToPages, NextBoxEdgesAreInclusive)
{
    const BoxCase cases[] = {  // expected: the page after one left press
        {102, 530, 0}, {103, 530, 1}, {222, 530, 1}, {223, 530, 0}, {160, 509, 0},
        {160, 510, 1}, {160, 556, 1}, {160, 557, 0}, {103, 510, 1}, {222, 556, 1},
    };
    for (const BoxCase& c : cases) {
        HowToPages pages;
        pages.press(sf::Mouse::Left, c.x, c.y);
        EXPECT_EQ(pages.current(), c.expected) << c.x << "," << c.y;
    }
}

TEST(HowToPages, OnlyTheLeftButtonTurnsAndFourTurnsEndThePages)
{
    HowToPages pages;
    pages.press(sf::Mouse::Right, 150, 530);
    pages.press(sf::Mouse::Middle, 150, 530);
    EXPECT_EQ(pages.current(), 0);

    for (int turn = 1; turn <= 3; ++turn) {
        pages.press(sf::Mouse::Left, 150, 530);
        EXPECT_EQ(pages.current(), turn);
        EXPECT_FALSE(pages.done());
    }
    // Two presses in the frame showing the last page: both count.
    pages.press(sf::Mouse::Left, 150, 530);
    pages.press(sf::Mouse::Left, 150, 530);
    EXPECT_EQ(pages.current(), 5);
    EXPECT_TRUE(pages.done());
}

TEST(ResultChoiceAt, WonAndLostScreenBoxes)
{
    const std::optional<int> none;
    const BoxCase won[] = {
        {226, 376, 1},   {557, 411, 1},   {225, 390, none}, {558, 390, none}, {300, 375, none}, {300, 412, none},
        {343, 485, 0},   {441, 510, 0},   {342, 500, none}, {442, 500, none}, {400, 511, none},
        {400, 450, none},  // between the two choices
    };
    const BoxCase lost[] = {
        {100, 376, 0},   {688, 413, 0},   {99, 390, none},  {689, 390, none}, {400, 375, none}, {400, 414, none},
        {400, 500, none},  // where the won screen's "Sair" is: only one choice here
    };
    for (const BoxCase& c : won)
        EXPECT_EQ(resultChoiceAt(kWonLayout, c.x, c.y), c.expected) << "won " << c.x << "," << c.y;
    for (const BoxCase& c : lost)
        EXPECT_EQ(resultChoiceAt(kLostLayout, c.x, c.y), c.expected) << "lost " << c.x << "," << c.y;
}
