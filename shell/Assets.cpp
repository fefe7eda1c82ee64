#include "Assets.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <iostream>

namespace {
bool report(bool loaded)
{
    if (!loaded)
        std::cout << "Error" << std::endl;
    return loaded;
}
}  // namespace

bool loadTexture(sf::Texture& texture, const char* path)
{
    return report(texture.loadFromFile(path));
}

bool loadFont(sf::Font& font, const char* path)
{
    return report(font.loadFromFile(path));
}

void drawBackground(sf::RenderTarget& target, const sf::Sprite& background, const sf::Color& clearColour)
{
    constexpr int kSceneWidth = 800;
    constexpr int kSceneHeight = 600;
    const sf::IntRect shown = background.getTextureRect();
    if (background.getTexture() == nullptr || shown.width < kSceneWidth || shown.height < kSceneHeight)
        target.clear(clearColour);
    target.draw(background, sf::BlendNone);
}
