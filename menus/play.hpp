#pragma once

#include "MenuWidget.hpp"
#include "core/cScreen.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <optional>

class FramePacer;
namespace sf {
class Event;
}

// The level selection: three level pictures on a background. A left click on
// a picture starts its level; Escape goes back to the main menu.
class play final : public cScreen {
public:
    int Run(sf::RenderWindow& window) override;

    // The steps of the frame loop (see runFrames).
    std::optional<int> handleEvent(const sf::Event& event, FramePacer& pacer);
    void draw(sf::RenderTarget& target) const;

private:
    int mouseY = 0;
    int mouseX = 0;
    sf::Sprite background;
    sf::Texture backgroundTexture;
    sf::Texture level3Texture;
    sf::Texture level2Texture;
    sf::Texture level1Texture;
    std::array<sf::Sprite, 3> pictures;  // in hit-test order
    std::optional<menuplay> menu;        // built by Run, which loads everything
};
