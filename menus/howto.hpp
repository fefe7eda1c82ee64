#pragma once

#include "PixelBox.hpp"
#include "core/cScreen.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Mouse.hpp>

#include <optional>

class FramePacer;
namespace sf {
class Event;
}

// "Next ->" at the bottom left of every page, clicked and coloured by this box.
inline constexpr PixelBox kNextBox{103, 510, 222, 556};

// Which page of the four is shown. A left press on "Next ->" turns one page;
// turning past the last page (even twice in one frame) ends the pages.
class HowToPages {
public:
    static constexpr int kPageCount = 4;

    void press(sf::Mouse::Button button, int x, int y)
    {
        if (button == sf::Mouse::Left && kNextBox.contains(x, y))
            ++page;
    }
    int current() const { return page; }
    bool done() const { return page >= kPageCount; }

private:
    int page = 0;
};

// How to play: four pages of pictures turned with "Next ->"; after the last
// page, or on Escape, back to the main menu.
class howto final : public cScreen {
public:
    int Run(sf::RenderWindow& window) override;

    // The steps of the frame loop (see runFrames).
    std::optional<int> handleEvent(const sf::Event& event, FramePacer& pacer);
    std::optional<int> update(FramePacer& pacer);
    void draw(sf::RenderTarget& target) const;

private:
    // Colours "Next ->" red under the pointer; true when its colour changes.
    bool refreshColour();

    sf::Texture pageTexture;  // one texture serves all four pages
    sf::Sprite page;          // every page is drawn through the first one's rectangle
    int pageShown = 0;
    sf::Text next;
    sf::Font font;
    int mouseX = 0;
    int mouseY = 0;
    HowToPages pages;
};
