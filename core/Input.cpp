#include "Input.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cmath>

sf::Vector2i toScene(const sf::RenderWindow& window, sf::Vector2i pixel)
{
    // A closed or zero-sized window has no view to map through.
    const sf::Vector2u size = window.getSize();
    if (!window.isOpen() || size.x == 0 || size.y == 0)
        return pixel;
    const sf::Vector2f scene = window.mapPixelToCoords(pixel);
    // The mapping is done in float and can land a hair below a whole number
    // (446.99997 for pixel 447 at the original size): nudge before rounding
    // down, so that an unstretched window reports exactly its pixels.
    constexpr float kRoundingSlack = 1e-3f;
    return {static_cast<int>(std::floor(scene.x + kRoundingSlack)),
            static_cast<int>(std::floor(scene.y + kRoundingSlack))};
}

void mapEventToScene(const sf::RenderWindow& window, sf::Event& event)
{
    switch (event.type) {
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased: {
        const sf::Vector2i scene = toScene(window, {event.mouseButton.x, event.mouseButton.y});
        event.mouseButton.x = scene.x;
        event.mouseButton.y = scene.y;
        break;
    }
    case sf::Event::MouseMoved: {
        const sf::Vector2i scene = toScene(window, {event.mouseMove.x, event.mouseMove.y});
        event.mouseMove.x = scene.x;
        event.mouseMove.y = scene.y;
        break;
    }
    default:
        break;
    }
}

bool isEscape(const sf::Event& event, sf::Event::EventType when)
{
    return event.type == when && event.key.code == sf::Keyboard::Escape;
}

bool takePointer(const sf::Event& event, int& x, int& y)
{
    if (event.type == sf::Event::MouseButtonPressed) {
        x = event.mouseButton.x;
        y = event.mouseButton.y;
    } else if (event.type == sf::Event::MouseMoved) {
        x = event.mouseMove.x;
        y = event.mouseMove.y;
    } else {
        return false;
    }
    return true;
}

bool isPress(const sf::Event& event, sf::Mouse::Button button)
{
    return event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == button;
}
