#include "Drawing.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/View.hpp>

void drawBackground(sf::RenderTarget& target, const sf::Sprite& background, const sf::Color& clearColour)
{
    // The window shows the view's rectangle of the scene, stretched: when the
    // picture covers all of it, every pixel is the picture's and no clear is
    // needed. Otherwise the picture drawn over a cleared frame leaves the
    // clear colour exactly where it does not reach.
    const sf::View& view = target.getView();
    const sf::FloatRect shown(view.getCenter() - view.getSize() / 2.f, view.getSize());
    const sf::FloatRect covered = background.getTexture() != nullptr ? background.getGlobalBounds() : sf::FloatRect();
    const bool coversShown = covered.left <= shown.left && covered.top <= shown.top &&
                             covered.left + covered.width >= shown.left + shown.width &&
                             covered.top + covered.height >= shown.top + shown.height;
    if (!coversShown)
        target.clear(clearColour);
    target.draw(background, sf::BlendNone);
}

void setUpText(sf::Text& text, const sf::Font& font, const sf::String& string, sf::Vector2f position, unsigned size,
               const sf::Color& colour)
{
    text.setFont(font);
    text.setString(string);
    text.setPosition(position);
    text.setCharacterSize(size);
    text.setFillColor(colour);
}
