#pragma once

#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

namespace sf {
class RenderWindow;
}

// A window pixel in scene coordinates, mapped through the window's view. At
// the original 800 x 600 this is the pixel itself; after a resize it is the
// point of the stretched picture drawn at that pixel, so clicks land on what
// the player sees.
sf::Vector2i toScene(const sf::RenderWindow& window, sf::Vector2i pixel);

// Rewrites the position that a mouse press, release or move carries into
// scene coordinates. A press is judged where it happened: by the time its
// event is handled, a fast player's pointer has often moved on.
void mapEventToScene(const sf::RenderWindow& window, sf::Event& event);

// What the screens read from an event, the same way everywhere.

// Escape going down (KeyPressed) or, where a screen leaves on the release, up.
bool isEscape(const sf::Event& event, sf::Event::EventType when = sf::Event::KeyPressed);

// A mouse press or move: copies the position it carries into x and y, which
// are a screen's mouseX and mouseY. False, and nothing copied, for any other event.
bool takePointer(const sf::Event& event, int& x, int& y);

// A press of this mouse button.
bool isPress(const sf::Event& event, sf::Mouse::Button button);
