#include "play.hpp"

#include "MenuWidget.hpp"
#include "shell/Assets.hpp"
#include "shell/Pointer.hpp"
#include "shell/ScreenIndex.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <array>

namespace {
constexpr const char* kBackground = "../Images//recortadas/inicio.bmp";

struct LevelPicture {
    const char* path;
    float x, y;
    int level;
};

// In hit-test order: where pictures overlap, the one drawn underneath wins.
constexpr std::array<LevelPicture, 3> kPictures{{
    {"../Images//recortadas/epic.png", 550, 310, screen::kLevel3},
    {"../Images//recortadas/uthere.png", 100, 220, screen::kLevel2},
    {"../Images//recortadas/hello.png", 300, 30, screen::kLevel1},
}};
}  // namespace

int play::Run(sf::RenderWindow& window)
{
    loadTexture(backgroundTexture, kBackground);
    background.setTexture(backgroundTexture);

    const std::array<sf::Texture*, 3> textures{&level3Texture, &level2Texture, &level1Texture};
    std::array<sf::Sprite, 3> pictures;
    for (std::size_t i = 0; i < kPictures.size(); ++i)
        loadTexture(*textures[i], kPictures[i].path);
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        pictures[i].setTexture(*textures[i]);
        pictures[i].setPosition(kPictures[i].x, kPictures[i].y);
    }

    const sf::Vector2u size = window.getSize();
    menuplay menu(static_cast<float>(size.x), static_cast<float>(size.y));

    while (window.isOpen()) {
        // Handle events, each with the pointer where it is now
        sf::Event event;
        while (window.pollEvent(event)) {
            const sf::Vector2i pointer = samplePointer(window);
            mouseY = pointer.y;
            mouseX = pointer.x;
            switch (event.type) {
            case sf::Event::Closed:
                window.close();
                break;
            case sf::Event::KeyPressed:
                if (event.key.code == sf::Keyboard::Escape)
                    return screen::kMainMenu;
                break;
            case sf::Event::MouseButtonPressed:
                if (event.mouseButton.button != sf::Mouse::Left)
                    break;
                for (std::size_t i = 0; i < kPictures.size(); ++i) {
                    if (pictures[i].getGlobalBounds().contains(static_cast<float>(mouseX), static_cast<float>(mouseY)))
                        return kPictures[i].level;
                }
                break;
            case sf::Event::MouseMoved:
                menu.Position(mouseX, mouseY);
                break;
            default:
                break;
            }
        }

        if (!window.isOpen())
            break;
        // Draw the background, then the pictures in hit-test order
        drawBackground(window, background, sf::Color::Black);
        for (const sf::Sprite& picture : pictures)
            window.draw(picture);
        menu.draw(window);
        window.display();
    }
    return screen::kQuit;
}
