// Draws real level frames into an off-screen target (needs an X display) and
// checks the pixels the player would see.
#include "gameplay/Level.hpp"
#include "gameplay/LevelTables.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

class LevelFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The game reads its assets from ../ of where it runs.
        ASSERT_EQ(chdir(SUNKEN_SOURCE_DIR "/tests"), 0);
        ASSERT_TRUE(target.create(800, 600));
        ASSERT_TRUE(background.loadFromFile("../Images/fundo.bmp"));
    }

    sf::Image frame(const Level& level)
    {
        level.draw(target);
        target.display();
        return target.getTexture().copyToImage();
    }

    // A picture of the repository; a failure names a file that does not load.
    static sf::Image picture(const std::string& path)
    {
        sf::Image image;
        EXPECT_TRUE(image.loadFromFile(path)) << path;
        return image;
    }

    // How many pixels of the w x h area at (x, y) differ between a and b (b read at (bx, by)).
    static int differing(const sf::Image& a, unsigned x, unsigned y, const sf::Image& b, unsigned bx, unsigned by,
                         unsigned w, unsigned h)
    {
        int count = 0;
        for (unsigned dy = 0; dy < h; ++dy)
            for (unsigned dx = 0; dx < w; ++dx)
                count += a.getPixel(x + dx, y + dy) != b.getPixel(bx + dx, by + dy);
        return count;
    }

    // How many pixels of the picture, drawn whole at (x, y) of shown, shown differently.
    static int differing(const sf::Image& shown, unsigned x, unsigned y, const sf::Image& whole)
    {
        return differing(shown, x, y, whole, 0, 0, whole.getSize().x, whole.getSize().y);
    }

    sf::RenderTexture target;
    sf::Image background;
};

TEST_F(LevelFrame, ListShowsTheNextObjectsAndAFoundObjectLeavesTheScene)
{
    const LevelData& data = levels::kLevel1;
    Level level(data);
    level.load();
    level.update();
    sf::Image before = frame(level);

    // Slot k shows the list picture of object k, whole.
    const unsigned slotX[] = {370, 430, 490, 560, 630};
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(differing(before, slotX[k], 490, picture(data.objects[k].listImage)), 0) << "slot " << k + 1;

    // The fish is drawn over the background where it hides.
    const auto fishX = static_cast<unsigned>(data.objects[0].x);
    const auto fishY = static_cast<unsigned>(data.objects[0].y);
    const sf::Vector2u size = picture(data.objects[0].hiddenImage).getSize();
    EXPECT_GT(differing(before, fishX, fishY, background, fishX, fishY, size.x, size.y), 0);

    // A press on the fish finds it: its place shows the background again,
    // slot 1 now shows the anchor and slot 5 is gone.
    sf::Event press{};
    press.type = sf::Event::MouseButtonPressed;
    press.mouseButton.button = sf::Mouse::Left;
    std::ostringstream out;
    auto* const saved = std::cout.rdbuf(out.rdbuf());
    const auto next = level.handleEvent(press, {static_cast<int>(fishX) + 1, static_cast<int>(fishY) + 1});
    std::cout.rdbuf(saved);
    EXPECT_FALSE(next.has_value());
    EXPECT_EQ(out.str(), "Pressed\nRetirou 1\n");

    level.update();
    const sf::Image after = frame(level);
    EXPECT_EQ(differing(after, fishX, fishY, background, fishX, fishY, size.x, size.y), 0);
    EXPECT_EQ(differing(after, 370, 490, picture(data.objects[1].listImage)), 0);
    EXPECT_EQ(differing(after, 630, 490, background, 630, 490, 50, 50), 0);
}

TEST_F(LevelFrame, CountdownReadsSixtyOnTheFirstFrame)
{
    Level level(levels::kLevel3);
    level.load();
    level.update();
    const sf::Image shown = frame(level);

    // The same words drawn by hand over the background.
    sf::Font font;
    ASSERT_TRUE(font.loadFromFile("../Fonts/PirataOne-Regular.ttf"));
    sf::Texture backgroundTexture;
    ASSERT_TRUE(backgroundTexture.loadFromImage(background));
    sf::Text sixty("60", font, 40);
    sixty.setFillColor(sf::Color::Black);
    sixty.setPosition(730, 0);
    target.clear(sf::Color::White);
    target.draw(sf::Sprite(backgroundTexture));
    target.draw(sixty);
    target.display();
    const sf::Image expected = target.getTexture().copyToImage();

    // Right of the label, where only the countdown is drawn (the level-3 horse starts at y 45).
    EXPECT_EQ(differing(shown, 730, 0, expected, 730, 0, 45, 44), 0);
}

}  // namespace
