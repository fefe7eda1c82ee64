#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/System/String.hpp>
#include <SFML/System/Vector2.hpp>

namespace sf {
class Font;
class RenderTarget;
class Sprite;
class Text;
}  // namespace sf

// Starts a frame with a full-window picture: the frame is cleared to
// clearColour exactly where the picture does not cover what the window shows
// (all of it when the picture failed to load), so nothing of an earlier frame
// stays under the rest. The picture is opaque and drawn without blending,
// which gives the same pixels for less work.
void drawBackground(sf::RenderTarget& target, const sf::Sprite& background, const sf::Color& clearColour);

// Sets a text up in one go: the font, its string, where it stands (its top
// left corner), its character size and its colour.
void setUpText(sf::Text& text, const sf::Font& font, const sf::String& string, sf::Vector2f position, unsigned size,
               const sf::Color& colour = sf::Color::Black);
