#include "howto.hpp"

#include "shell/Assets.hpp"
#include "shell/Pointer.hpp"
#include "shell/ScreenIndex.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Window/Event.hpp>

#include <array>
#include <iostream>

namespace {
constexpr std::array<const char*, HowToPages::kPageCount> kPagePaths{
    "../Images/howtome0.png", "../Images/howtome1.png", "../Images/howtome2.png", "../Images/howtome3.png"};
constexpr unsigned kNextSize = 50;
const sf::Vector2f kNextPosition{100, 500};
}  // namespace

int howto::Run(sf::RenderWindow& window)
{
    // Every page is drawn through the rectangle of the first one.
    sf::Sprite page;
    loadTexture(pageTexture, kPagePaths[0]);
    page.setTexture(pageTexture);
    int pageShown = 0;

    loadFont(font, asset::kFont);
    next.setFont(font);
    next.setFillColor(sf::Color::Black);
    next.setString("Next ->");
    next.setPosition(kNextPosition);
    next.setCharacterSize(kNextSize);

    const auto refreshColour = [&] {
        next.setFillColor(kNextBox.contains(mouseX, mouseY) ? sf::Color::Red : sf::Color::Black);
    };

    while (window.isOpen()) {
        // One pointer sample serves every event of the frame
        const sf::Vector2i pointer = samplePointer(window);
        mouseX = pointer.x;
        mouseY = pointer.y;

        sf::Event event;
        while (window.pollEvent(event)) {
            if (event.type == sf::Event::Closed) {
                window.close();
            } else if (event.type == sf::Event::KeyPressed && event.key.code == sf::Keyboard::Escape) {
                return screen::kMainMenu;
            } else if (event.type == sf::Event::MouseButtonPressed) {
                std::cout << mouseX << "," << mouseY << std::endl;
                pages.press(event.mouseButton.button, mouseX, mouseY);
                refreshColour();
            } else if (event.type == sf::Event::MouseMoved) {
                refreshColour();
            }
        }

        // Turn the page; the later pages load without a report
        if (pages.done())
            return screen::kMainMenu;
        if (pages.current() != pageShown) {
            pageShown = pages.current();
            pageTexture.loadFromFile(kPagePaths[pageShown]);
        }

        if (!window.isOpen())
            break;
        // The page fills the window, so the frame is not cleared; it is
        // opaque, so it is drawn without blending (the same pixels, cheaper)
        window.draw(page, sf::BlendNone);
        window.draw(next);
        window.display();
    }
    return screen::kQuit;
}
