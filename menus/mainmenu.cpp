#include "mainmenu.hpp"

#include "core/Assets.hpp"
#include "core/Drawing.hpp"
#include "core/FrameLoop.hpp"

#include <iostream>

int mainmenu::Run(sf::RenderWindow& window)
{
    loadTexture(backgroundTexture, asset::kMenuBackground);
    background.setTexture(backgroundTexture);
    const sf::Vector2u size = window.getSize();
    menu.emplace(static_cast<float>(size.x), static_cast<float>(size.y));
    return runFrames(window, *this);
}

std::optional<int> mainmenu::handleEvent(const sf::Event& event, FramePacer& pacer)
{
    if (!takePointer(event, mouseX, mouseY))
        return std::nullopt;
    if (isPress(event, sf::Mouse::Left)) {
        std::cout << "Pressed" << std::endl;
        std::cout << mouseX << " , " << mouseY << std::endl;
        return menu->GetPressedItem(mouseX, mouseY);
    }
    if (event.type == sf::Event::MouseMoved && menu->Position(mouseX, mouseY))
        pacer.changed();
    return std::nullopt;
}

void mainmenu::draw(sf::RenderTarget& target) const
{
    drawBackground(target, background, sf::Color::Black);
    menu->draw(target);
}
