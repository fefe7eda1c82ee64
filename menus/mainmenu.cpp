#include "mainmenu.hpp"

#include "MenuWidget.hpp"
#include "shell/Assets.hpp"
#include "shell/Pointer.hpp"
#include "shell/ScreenIndex.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>

#include <iostream>

int mainmenu::Run(sf::RenderWindow& window)
{
    sf::Sprite background;
    sf::Texture backgroundTexture;
    loadTexture(backgroundTexture, asset::kMenuBackground);
    background.setTexture(backgroundTexture);

    const sf::Vector2u size = window.getSize();
    Menu menu(static_cast<float>(size.x), static_cast<float>(size.y));

    while (window.isOpen()) {
        // Handle events, each with the pointer where it is now
        sf::Event event;
        while (window.pollEvent(event)) {
            const sf::Vector2i pointer = samplePointer(window);
            mouseY = pointer.y;
            mouseX = pointer.x;
            if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left) {
                std::cout << "Pressed" << std::endl;
                std::cout << mouseX << " , " << mouseY << std::endl;
                return menu.GetPressedItem(mouseX, mouseY);
            }
            if (event.type == sf::Event::MouseMoved)
                menu.Position(mouseX, mouseY);
            else if (event.type == sf::Event::Closed)
                window.close();
        }

        if (!window.isOpen())
            break;
        // Draw the menu
        drawBackground(window, background, sf::Color::Black);
        menu.draw(window);
        window.display();
    }
    return screen::kQuit;
}
