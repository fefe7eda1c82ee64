#include "menus/MenuWidget.hpp"

#include <gtest/gtest.h>

#include <unistd.h>

#include <iostream>
#include <sstream>
#include <string>

namespace {

// The menus load their font relative to the working directory, one level
// below the repository, as the game does from its build directory.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(chdir(SUNKEN_SOURCE_DIR "/tests"), 0); }
};

// Everything printed on std::cout while it lives.
class CoutCapture {
public:
    CoutCapture() : saved(std::cout.rdbuf(captured.rdbuf())) {}
    ~CoutCapture() { std::cout.rdbuf(saved); }
    std::string text() const { return captured.str(); }

private:
    std::ostringstream captured;
    std::streambuf* saved;
};

}  // namespace

TEST(MenuChoiceAt, InclusiveBoxesAndNoFallThroughToOtherRows)
{
    struct Case {
        int x, y, choice;
    };
    const Case cases[] = {
        {345, 230, 1}, {447, 281, 1}, {344, 230, 0}, {448, 281, 0}, {345, 229, 0}, {447, 282, 0},
        {299, 308, 2}, {505, 360, 2}, {298, 330, 0}, {506, 330, 0},
        {356, 389, 3}, {429, 433, 3}, {430, 433, 0}, {356, 434, 0}, {355, 400, 0},
        {400, 290, 0}, {400, 370, 0},  // between the rows
        {300, 250, 0},                 // row 1's height, only row 2's width
        {500, 400, 0},                 // row 3's height, only row 2's width
    };
    for (const Case& c : cases)
        EXPECT_EQ(menuChoiceAt(c.x, c.y), c.choice) << c.x << "," << c.y;
}

TEST_F(MenuTest, ChoiceUnderThePointerTurnsRedAndTheOthersGoBack)
{
    Menu menu(800.f, 600.f);
    struct Move {
        int x, y, hovered;
    };
    // From choice to choice in single moves, then between rows and over the title.
    const Move moves[] = {{0, 0, 0}, {400, 250, 1}, {400, 330, 2}, {400, 410, 3}, {400, 370, 0}, {250, 100, 0}};
    for (const Move& move : moves) {
        menu.Position(move.x, move.y);
        for (int i = 0; i <= 3; ++i) {
            const sf::Color expected = i != 0 && i == move.hovered ? sf::Color::Red : sf::Color::Black;
            EXPECT_EQ(menu.item(i).getFillColor(), expected) << "item " << i << " at " << move.x << "," << move.y;
        }
    }
}

TEST_F(MenuTest, MainMenuPressPrintsEveryNumberAndAMissKeepsTheLastHit)
{
    Menu menu(800.f, 600.f);
    CoutCapture capture;
    EXPECT_EQ(menu.GetPressedItem(10, 10), 0);
    EXPECT_EQ(menu.GetPressedItem(400, 410), 3);   // Sair
    EXPECT_EQ(menu.GetPressedItem(400, 300), 3);   // miss between rows
    EXPECT_EQ(menu.GetPressedItem(345, 230), 1);
    EXPECT_EQ(menu.GetPressedItem(400, 330), 2);
    EXPECT_EQ(capture.text(), "0\n3\n3\n1\n2\n");
}

TEST_F(MenuTest, LevelMenuIsWhiteAndNumbersFollowOnFromFour)
{
    menuplay menu(800.f, 600.f);
    menu.Position(400, 330);
    EXPECT_EQ(menu.item(1).getFillColor(), sf::Color::White);
    EXPECT_EQ(menu.item(2).getFillColor(), sf::Color::Red);

    CoutCapture capture;
    EXPECT_EQ(menu.GetPressedItem(360, 400), 6);
    EXPECT_EQ(menu.GetPressedItem(300, 320), 5);  // left of "Nivel 2", still in box 2
    EXPECT_EQ(menu.GetPressedItem(700, 50), 5);
    EXPECT_EQ(menu.GetPressedItem(400, 250), 4);
    EXPECT_EQ(capture.text(), "6\n5\n5\n4\n");
}
