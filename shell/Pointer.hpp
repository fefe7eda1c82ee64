#pragma once

#include <SFML/System/Vector2.hpp>

namespace sf {
class RenderWindow;
}

// The pointer in scene coordinates: the mouse position relative to the window,
// mapped through the window's view. At the original 800 x 600 this is the raw
// pixel position; after a resize it is the point of the stretched picture that
// lies under the pointer, so clicks land on what the player sees.
sf::Vector2i samplePointer(const sf::RenderWindow& window);
