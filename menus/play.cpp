#include "play.hpp"

#include "core/Assets.hpp"
#include "core/Drawing.hpp"
#include "core/FrameLoop.hpp"

#include <algorithm>

namespace {
constexpr const char* kBackground = "../Images//recortadas/inicio.bmp";

struct LevelPicture {
    const char* path;
    float x, y;
    int level;
};

// In hit-test order, which is also the order they are drawn in; the pictures
// do not overlap.
constexpr std::array<LevelPicture, 3> kPictures{{
    {"../Images//recortadas/epic.png", 550, 310, screen::kLevel3},
    {"../Images//recortadas/uthere.png", 100, 220, screen::kLevel2},
    {"../Images//recortadas/hello.png", 300, 30, screen::kLevel1},
}};
}  // namespace

int play::Run(sf::RenderWindow& window)
{
    loadTexture(backgroundTexture, kBackground);
    background.setTexture(backgroundTexture);

    const std::array<sf::Texture*, 3> textures{&level3Texture, &level2Texture, &level1Texture};
    for (std::size_t i = 0; i < kPictures.size(); ++i)
        loadTexture(*textures[i], kPictures[i].path);
    for (std::size_t i = 0; i < kPictures.size(); ++i) {
        pictures[i].setTexture(*textures[i]);
        pictures[i].setPosition(kPictures[i].x, kPictures[i].y);
    }

    const sf::Vector2u size = window.getSize();
    menu.emplace(static_cast<float>(size.x), static_cast<float>(size.y));
    return runFrames(window, *this);
}

std::optional<int> play::handleEvent(const sf::Event& event, FramePacer& pacer)
{
    if (isEscape(event))
        return screen::kMainMenu;
    if (!takePointer(event, mouseX, mouseY))
        return std::nullopt;
    if (isPress(event, sf::Mouse::Left)) {
        const sf::Vector2f point(static_cast<float>(mouseX), static_cast<float>(mouseY));
        const auto hit = std::find_if(pictures.begin(), pictures.end(), [&point](const sf::Sprite& picture) {
            return picture.getGlobalBounds().contains(point);
        });
        if (hit != pictures.end())
            return kPictures[static_cast<std::size_t>(hit - pictures.begin())].level;
    } else if (event.type == sf::Event::MouseMoved && menu->Position(mouseX, mouseY)) {
        pacer.changed();
    }
    return std::nullopt;
}

void play::draw(sf::RenderTarget& target) const
{
    // The background, then the pictures in hit-test order
    drawBackground(target, background, sf::Color::Black);
    for (const sf::Sprite& picture : pictures)
        target.draw(picture);
    menu->draw(target);
}
