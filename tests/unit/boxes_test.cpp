// The fixed boxes of the menus, the how-to pages and the result screens at
// their edges (every bound of a box is inside it), as (x, y, what a press there gives).
#include "menus/MenuWidget.hpp"
#include "menus/ResultScreen.hpp"
#include "menus/howto.hpp"

#include <gtest/gtest.h>

#include <optional>

namespace {
struct Point {
    int x, y;
    std::optional<int> expected;
};
const std::optional<int> none;
}  // namespace

TEST(Boxes, MenuChoicesNextAndResultChoices)
{
    const Point menu[] = {  // the choice, 0 for none
        {345, 230, 1}, {447, 281, 1}, {344, 230, 0}, {448, 281, 0}, {345, 229, 0}, {447, 282, 0}, {299, 308, 2},
        {505, 360, 2}, {298, 330, 0}, {506, 330, 0}, {400, 307, 0}, {400, 361, 0}, {356, 389, 3}, {429, 433, 3},
        {430, 433, 0}, {356, 434, 0}, {355, 400, 0}, {390, 388, 0}, {300, 250, 0}, {500, 400, 0}};
    const Point next[] = {  // the page after one left press (other buttons never turn one)
        {102, 530, 0}, {103, 530, 1}, {222, 530, 1}, {223, 530, 0}, {160, 509, 0},
        {160, 510, 1}, {160, 556, 1}, {160, 557, 0}, {103, 510, 1}, {222, 556, 1}};
    const Point won[] = {  // the next screen
        {226, 376, 1}, {557, 411, 1}, {225, 390, none}, {558, 390, none}, {300, 375, none}, {300, 412, none},
        {343, 485, 0}, {441, 510, 0}, {342, 500, none}, {442, 500, none}, {400, 511, none}, {400, 450, none}};
    const Point lost[] = {
        {100, 376, 0}, {688, 413, 0}, {99, 390, none}, {689, 390, none}, {400, 375, none}, {400, 414, none},
        {400, 500, none}};  // where the won screen's "Sair" is
    for (const Point& p : menu)
        EXPECT_EQ(menuChoiceAt(p.x, p.y), p.expected) << "menu " << p.x << "," << p.y;
    for (const Point& p : next) {
        HowToPages pages;
        pages.press(sf::Mouse::Left, p.x, p.y);
        pages.press(sf::Mouse::Right, p.x, p.y);
        EXPECT_EQ(pages.current(), p.expected) << "next " << p.x << "," << p.y;
    }
    for (const Point& p : won)
        EXPECT_EQ(resultChoiceAt(kWonLayout, p.x, p.y), p.expected) << "won " << p.x << "," << p.y;
    for (const Point& p : lost)
        EXPECT_EQ(resultChoiceAt(kLostLayout, p.x, p.y), p.expected) << "lost " << p.x << "," << p.y;
}
