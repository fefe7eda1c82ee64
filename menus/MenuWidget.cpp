#include "MenuWidget.hpp"

#include "core/Assets.hpp"
#include "core/Drawing.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <iostream>

int menuChoiceAt(int x, int y)
{
    // The rows do not overlap, so the first box that holds the point is the only one.
    for (int choice = 1; choice <= 3; ++choice) {
        if (kMenuBoxes[choice - 1].contains(x, y))
            return choice;
    }
    return 0;
}

template <const MenuLayout& layout>
MenuWidget<layout>::MenuWidget(float /*width*/, float /*height*/)
{
    loadFont(font, asset::kFont);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& look = layout.items[i];
        if (look.text == nullptr)
            continue;
        setUpText(items[i], font, look.text, {look.x, look.y}, look.characterSize, sf::Color(layout.normalColour));
    }
}

template <const MenuLayout& layout>
void MenuWidget<layout>::draw(sf::RenderTarget& target) const
{
    if (!layout.drawsItems)
        return;
    for (const sf::Text& text : items)
        target.draw(text);
}

template <const MenuLayout& layout>
bool MenuWidget<layout>::Position(int x, int y)
{
    const int before = hoveredItem;
    hoveredItem = menuChoiceAt(x, y);
    for (int choice = 1; choice <= 3; ++choice)
        items[choice].setFillColor(choice == hoveredItem ? sf::Color::Red : sf::Color(layout.normalColour));
    return layout.drawsItems && hoveredItem != before;
}

template <const MenuLayout& layout>
int MenuWidget<layout>::GetPressedItem(int x, int y)
{
    if (const int choice = menuChoiceAt(x, y))
        pressedItem = layout.firstNumber + choice - 1;
    std::cout << pressedItem << std::endl;
    return pressedItem;
}

template class MenuWidget<kMainMenuLayout>;
template class MenuWidget<kLevelMenuLayout>;
