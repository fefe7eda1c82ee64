#include "howto.hpp"

#include "core/Assets.hpp"
#include "core/Drawing.hpp"
#include "core/FrameLoop.hpp"

#include <array>
#include <iostream>

namespace {
constexpr std::array<const char*, HowToPages::kPageCount> kPagePaths{
    "../Images/howtome0.png", "../Images/howtome1.png", "../Images/howtome2.png", "../Images/howtome3.png"};
constexpr unsigned kNextSize = 50;
const sf::Vector2f kNextPosition{100, 500};
// Where a page does not reach (one failed to load): "Next ->" still reads on it.
// White spelled out: a copy of sf::Color::White made at start-up may run
// before SFML has set White up, when SFML is linked in statically.
const sf::Color kClearColour(255, 255, 255);
}  // namespace

int howto::Run(sf::RenderWindow& window)
{
    loadTexture(pageTexture, kPagePaths[0]);
    page.setTexture(pageTexture);

    loadFont(font, asset::kFont);
    setUpText(next, font, "Next ->", kNextPosition, kNextSize);
    return runFrames(window, *this);
}

bool howto::refreshColour()
{
    const sf::Color colour = kNextBox.contains(mouseX, mouseY) ? sf::Color::Red : sf::Color::Black;
    if (colour == next.getFillColor())
        return false;
    next.setFillColor(colour);
    return true;
}

std::optional<int> howto::handleEvent(const sf::Event& event, FramePacer& pacer)
{
    if (isEscape(event))
        return screen::kMainMenu;
    if (!takePointer(event, mouseX, mouseY))
        return std::nullopt;
    if (event.type == sf::Event::MouseButtonPressed) {
        std::cout << mouseX << "," << mouseY << std::endl;
        pages.press(event.mouseButton.button, mouseX, mouseY);
    }
    if (refreshColour())
        pacer.changed();
    return std::nullopt;
}

std::optional<int> howto::update(FramePacer& pacer)
{
    // Turn the page; the later pages load without an "Error" line
    if (pages.done())
        return screen::kMainMenu;
    if (pages.current() != pageShown) {
        pageShown = pages.current();
        loadTexture(pageTexture, kPagePaths[pageShown], ErrorLine::Omit);
        pacer.changed();
    }
    return std::nullopt;
}

void howto::draw(sf::RenderTarget& target) const
{
    drawBackground(target, page, kClearColour);
    target.draw(next);
}
