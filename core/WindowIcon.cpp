#include "WindowIcon.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Window/Window.hpp>

namespace {
// packaging/icon/sunken-finds-64.png, as bytes written out by CMake.
constexpr unsigned char kIconPng[] = {
#include "WindowIconPng.inc"
};
}  // namespace

void setWindowIcon(sf::Window& window)
{
    sf::Image icon;
    if (icon.loadFromMemory(kIconPng, sizeof kIconPng))
        window.setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
}
