#pragma once

#include "MenuWidget.hpp"
#include "core/cScreen.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <optional>

class FramePacer;
namespace sf {
class Event;
}

// The main menu: the title and the choices "Jogar", "Como Jogar" and "Sair".
// The first left click ends it with the number of the choice it hit (0 for none).
class mainmenu final : public cScreen {
public:
    int Run(sf::RenderWindow& window) override;

    // The steps of the frame loop (see runFrames).
    std::optional<int> handleEvent(const sf::Event& event, FramePacer& pacer);
    void draw(sf::RenderTarget& target) const;

private:
    int mouseY = 0;
    int mouseX = 0;
    sf::Texture backgroundTexture;
    sf::Sprite background;
    std::optional<Menu> menu;  // built by Run, which loads everything
};
