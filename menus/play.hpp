#pragma once

#include "shell/cScreen.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

// The level selection: three level pictures on a background. A left click on
// a picture starts its level; Escape goes back to the main menu.
class play final : public cScreen {
public:
    int Run(sf::RenderWindow& window) override;

private:
    int mouseY = 0;
    int mouseX = 0;
    sf::Sprite background;
    sf::Texture backgroundTexture;
    sf::Texture level3Texture;
    sf::Texture level2Texture;
    sf::Texture level1Texture;
};
