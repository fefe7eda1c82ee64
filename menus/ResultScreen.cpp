#include "ResultScreen.hpp"

#include "core/Assets.hpp"
#include "core/Drawing.hpp"
#include "core/FrameLoop.hpp"

namespace {
// Where the background does not reach (it failed to load): the black texts still read on it.
// White spelled out: a copy of sf::Color::White made at start-up may run
// before SFML has set White up, when SFML is linked in statically.
const sf::Color kClearColour(255, 255, 255);
}  // namespace

std::optional<int> resultChoiceAt(const ResultLayout& layout, int x, int y)
{
    for (int i = 0; i < layout.choiceCount; ++i) {
        if (layout.choices[i].box.contains(x, y))
            return layout.choices[i].next;
    }
    return std::nullopt;
}

template <const ResultLayout& layout>
bool ResultScreen<layout>::refreshHover()
{
    bool changed = false;
    for (int i = 0; i < layout.choiceCount; ++i) {
        const sf::Color colour = layout.choices[i].box.contains(mouseX, mouseY) ? sf::Color::Red : sf::Color::Black;
        changed = changed || colour != choices[i].getFillColor();
        choices[i].setFillColor(colour);
    }
    return changed;
}

template <const ResultLayout& layout>
int ResultScreen<layout>::Run(sf::RenderWindow& window)
{
    loadFont(font, asset::kFont);
    setUpText(title, font, layout.title, {layout.titleX, layout.titleY}, kResultTitleSize);
    for (int i = 0; i < layout.choiceCount; ++i) {
        const ResultChoice& choice = layout.choices[i];
        setUpText(choices[i], font, choice.text, {choice.x, choice.y}, kResultChoiceSize);
    }
    loadTexture(backgroundTexture, asset::kMenuBackground);
    background.setTexture(backgroundTexture);
    return runFrames(window, *this);
}

template <const ResultLayout& layout>
std::optional<int> ResultScreen<layout>::handleEvent(const sf::Event& event, FramePacer& pacer)
{
    if (!takePointer(event, mouseX, mouseY))
        return std::nullopt;
    if (event.type == sf::Event::MouseButtonPressed) {
        if (const auto next = resultChoiceAt(layout, mouseX, mouseY))
            return next;
        if (!layout.pressOnNothingRefreshesHover)
            return std::nullopt;
    }
    if (refreshHover())
        pacer.changed();
    return std::nullopt;
}

template <const ResultLayout& layout>
void ResultScreen<layout>::draw(sf::RenderTarget& target) const
{
    drawBackground(target, background, kClearColour);
    target.draw(title);
    for (int i = 0; i < layout.choiceCount; ++i)
        target.draw(choices[i]);
}

template class ResultScreen<kWonLayout>;
template class ResultScreen<kLostLayout>;
