#pragma once

#include "PixelBox.hpp"
#include "core/ScreenIndex.hpp"
#include "core/cScreen.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <array>
#include <optional>

class FramePacer;
namespace sf {
class Event;
}

// The screens after a level: a big title and one or two choices over the
// menu's background. Any mouse button pressed in a choice's box counts.

struct ResultChoice {
    const char* text;
    float x, y;
    PixelBox box;  // fixed, whatever the text's size
    int next;      // screen index the choice leads to
};

struct ResultLayout {
    const char* title;
    float titleX, titleY;
    int choiceCount;
    std::array<ResultChoice, 2> choices;
    bool pressOnNothingRefreshesHover;
};

inline constexpr unsigned kResultTitleSize = 120;
inline constexpr unsigned kResultChoiceSize = 60;

// The screen that neither knows nor cares which level was played: the next
// level is chosen on the level selection.
inline constexpr ResultLayout kWonLayout{
    "Parabens!!", 175, 60, 2,
    {{
        {"Proximo nivel", 230, 350, {226, 376, 557, 411}, screen::kLevelSelection},
        {"Sair", 340, 450, {343, 485, 441, 510}, screen::kMainMenu},
    }},
    true,
};

inline constexpr ResultLayout kLostLayout{
    "Perdeu :/", 200, 60, 1,
    {{
        {"Voltar ao menu principal", 100, 350, {100, 376, 688, 413}, screen::kMainMenu},
        {nullptr, 0, 0, {0, 0, -1, -1}, 0},
    }},
    false,
};

// The screen index of the first choice whose box holds the point.
std::optional<int> resultChoiceAt(const ResultLayout& layout, int x, int y);

template <const ResultLayout& layout>
class ResultScreen final : public cScreen {
public:
    int Run(sf::RenderWindow& window) override;

    // The steps of the frame loop (see runFrames).
    std::optional<int> handleEvent(const sf::Event& event, FramePacer& pacer);
    void draw(sf::RenderTarget& target) const;

private:
    // Colours the choice under the pointer red; true when a colour changes.
    bool refreshHover();

    sf::Sprite background;
    sf::Texture backgroundTexture;
    sf::Text title;
    std::array<sf::Text, 2> choices;
    sf::Font font;
    int mouseX = 0;
    int mouseY = 0;
};

using ganhou = ResultScreen<kWonLayout>;
using perdeu = ResultScreen<kLostLayout>;

extern template class ResultScreen<kWonLayout>;
extern template class ResultScreen<kLostLayout>;
