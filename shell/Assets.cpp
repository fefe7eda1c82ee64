#include "Assets.hpp"

#include <SFML/Graphics/Font.hpp>
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

bool fillsScene(const sf::Texture& picture)
{
    constexpr unsigned kSceneWidth = 800;
    constexpr unsigned kSceneHeight = 600;
    return picture.getSize().x >= kSceneWidth && picture.getSize().y >= kSceneHeight;
}
