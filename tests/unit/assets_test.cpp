#include "gameplay/LevelTables.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>

namespace {

const LevelData* const kLevels[] = {&levels::kLevel1, &levels::kLevel2, &levels::kLevel3};
const sf::FloatRect kWindow{0, 0, 800, 600};
const sf::FloatRect kListStrip{370, 490, 310, 110};  // the five list slots, x 370 to 680
const sf::FloatRect kCountdownText{473, 0, 327, 50};

bool inside(const sf::FloatRect& r, const sf::FloatRect& outer)
{
    return r.left >= outer.left && r.top >= outer.top && r.left + r.width <= outer.left + outer.width &&
           r.top + r.height <= outer.top + outer.height;
}

// The game loads "../Images/..." from its build directory, one level below
// the repository; the tests stand in the same place.
class AssetsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(chdir(SUNKEN_SOURCE_DIR "/tests"), 0); }

    // The picture's rectangle with its top-left corner at (x, y), or a
    // failure naming the file that does not load.
    static std::optional<sf::FloatRect> placed(const std::string& path, float x = 0, float y = 0)
    {
        sf::Image image;
        if (!image.loadFromFile(path)) {
            ADD_FAILURE() << "cannot load " << path;
            return std::nullopt;
        }
        return sf::FloatRect(x, y, float(image.getSize().x), float(image.getSize().y));
    }
};

}  // namespace

TEST_F(AssetsTest, BackgroundsAndHowToPagesFillTheWindow)
{
    for (const char* path : {"../Images/fundo.bmp", "../Images/fundo_inicio.bmp", "../Images//recortadas/inicio.bmp",
                             "../Images/howtome0.png", "../Images/howtome1.png", "../Images/howtome2.png",
                             "../Images/howtome3.png"}) {
        if (const auto rect = placed(path)) {
            EXPECT_EQ(*rect, kWindow) << path << " is " << rect->width << "x" << rect->height;
        }
    }
}

// A slot keeps the size of its first picture, so every list picture must have
// the same size, and the 60-pixel step between slots bounds its width.
TEST_F(AssetsTest, ListPicturesShareOneSizeThatFitsASlot)
{
    std::set<std::string> paths;
    for (const LevelData* level : kLevels) {
        for (int i = 0; i < level->objectCount; ++i)
            paths.insert(level->objects[i].listImage);
    }
    std::optional<sf::FloatRect> first;
    for (const std::string& path : paths) {
        const auto rect = placed(path);
        if (!rect)
            continue;
        EXPECT_TRUE(inside(*rect, {0, 0, 60, 60}) && rect->width >= 40 && rect->height >= 40)
            << path << " is " << rect->width << "x" << rect->height;
        first = first.value_or(*rect);
        EXPECT_EQ(*rect, *first) << path << " is " << rect->width << "x" << rect->height << ", not "
                                 << first->width << "x" << first->height;
    }
}

TEST_F(AssetsTest, LevelPicturesStayInTheWindowApart)
{
    const auto hello = placed("../Images//recortadas/hello.png", 300, 30);
    const auto uthere = placed("../Images//recortadas/uthere.png", 100, 220);
    const auto epic = placed("../Images//recortadas/epic.png", 550, 310);
    ASSERT_TRUE(hello && uthere && epic);
    for (const sf::FloatRect& rect : {*hello, *uthere, *epic})
        EXPECT_TRUE(inside(rect, kWindow)) << rect.left << "," << rect.top;
    EXPECT_FALSE(hello->intersects(*uthere));
    EXPECT_FALSE(hello->intersects(*epic));
    EXPECT_FALSE(uthere->intersects(*epic));
}

// Every hidden picture where its level draws it: in the window and clear of
// the list strip and the countdown, except the shell (object 10) that hangs
// below the window in levels 2 and 3 and the horse (object 7) that runs past
// the right edge, over the end of the countdown row, in level 3.
TEST_F(AssetsTest, HiddenPicturesAreSizedAndPlacedForTheirLevel)
{
    for (int level = 1; level <= 3; ++level) {
        const LevelData& data = *kLevels[level - 1];
        for (int id = 1; id <= data.objectCount; ++id) {
            const HiddenObject& object = data.objects[id - 1];
            const auto rect = placed(object.hiddenImage, object.x, object.y);
            if (!rect)
                continue;
            const std::string where = "level " + std::to_string(level) + " object " + std::to_string(id);
            const float longer = std::max(rect->width, rect->height);
            EXPECT_TRUE(longer >= 24 && longer <= 60) << where << " is " << rect->width << "x" << rect->height;
            EXPECT_FALSE(rect->intersects(kListStrip)) << where;

            const bool shellBelow = id == 10 && level >= 2;
            const bool horsePastRight = id == 7 && level == 3;
            if (shellBelow) {
                EXPECT_GT(rect->top + rect->height, 600.f) << where << " should hang below the window";
            } else if (horsePastRight) {
                EXPECT_GT(rect->left + rect->width, 800.f) << where << " should run past the right edge";
            } else {
                EXPECT_TRUE(inside(*rect, kWindow)) << where;
            }
            if (!horsePastRight) {
                EXPECT_FALSE(rect->intersects(kCountdownText)) << where;
            }
        }
    }
}
