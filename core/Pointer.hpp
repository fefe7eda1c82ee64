#pragma once

#include <SFML/System/Vector2.hpp>

namespace sf {
class Event;
class RenderWindow;
}  // namespace sf

// A window pixel in scene coordinates, mapped through the window's view. At
// the original 800 x 600 this is the pixel itself; after a resize it is the
// point of the stretched picture drawn at that pixel, so clicks land on what
// the player sees.
sf::Vector2i toScene(const sf::RenderWindow& window, sf::Vector2i pixel);

// Rewrites the position that a mouse press, release or move carries into
// scene coordinates. A press is judged where it happened: by the time its
// event is handled, a fast player's pointer has often moved on.
void mapEventToScene(const sf::RenderWindow& window, sf::Event& event);
