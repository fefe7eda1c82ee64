#pragma once

#include "PixelBox.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>

#include <array>
#include <cstdint>

namespace sf {
class RenderTarget;
}

// A column of three text choices under an optional title line, with fixed
// hit boxes. The main menu's Menu and the level selection's menuplay are the
// same widget with different texts, colours and numbers.

struct MenuItem {
    const char* text;  // nullptr: the item is never set up
    float x, y;
    unsigned characterSize;
};

struct MenuLayout {
    std::array<MenuItem, 4> items;  // 0 is the title line, 1 to 3 the choices
    std::uint32_t normalColour;     // RGBA; the choice under the pointer is red
    int firstNumber;                // what a hit on choice 1 gives; 2 and 3 follow on
    bool drawsItems;
};

// The boxes are the same for both menus, whatever their texts.
inline constexpr std::array<PixelBox, 3> kMenuBoxes{{
    {345, 230, 447, 281},
    {299, 308, 505, 360},
    {356, 389, 429, 433},
}};

// The choice (1 to 3) whose box holds the point, or 0.
int menuChoiceAt(int x, int y);

inline constexpr MenuLayout kMainMenuLayout{
    {{
        {"Sunken Finds", 195, 60, 70},
        {"Jogar", 350, 220, 50},
        {"Como Jogar", 300, 300, 50},
        {"Sair", 355, 380, 50},
    }},
    0x000000ff,  // black
    1,
    true,
};

// The level selection shows its levels as pictures and leaves these texts
// out: hover-red words that cannot be clicked would only mislead.
inline constexpr MenuLayout kLevelMenuLayout{
    {{
        {nullptr, 0, 0, 0},
        {"Nivel 1", 350, 220, 50},
        {"Nivel 2", 350, 300, 50},
        {"Nivel 3", 350, 380, 50},
    }},
    0xffffffff,  // white
    4,
    false,
};

template <const MenuLayout& layout>
class MenuWidget {
public:
    // The window's size is taken and ignored: every position is fixed.
    MenuWidget(float width, float height);
    MenuWidget(const MenuWidget&) = delete;
    MenuWidget& operator=(const MenuWidget&) = delete;

    void draw(sf::RenderTarget& target) const;
    // Colours the choice under the pointer red and the others normal; true
    // when that changes what the widget draws.
    bool Position(int x, int y);
    // Prints and returns the number of the choice under a click; a click on
    // no choice keeps the number of the last hit (0 before any).
    int GetPressedItem(int x, int y);

private:
    int pressedItem = 0;
    int hoveredItem = 0;
    sf::Font font;
    std::array<sf::Text, 4> items;
};

using Menu = MenuWidget<kMainMenuLayout>;
using menuplay = MenuWidget<kLevelMenuLayout>;

extern template class MenuWidget<kMainMenuLayout>;
extern template class MenuWidget<kLevelMenuLayout>;
