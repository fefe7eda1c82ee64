#include "ResultScreen.hpp"

#include "shell/Assets.hpp"
#include "shell/Pointer.hpp"
#include "shell/ScreenIndex.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

namespace {
void setUpText(sf::Text& text, const sf::Font& font, const char* string, float x, float y, unsigned size)
{
    text.setFont(font);
    text.setFillColor(sf::Color::Black);
    text.setString(string);
    text.setPosition(x, y);
    text.setCharacterSize(size);
}
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
void ResultScreen<layout>::refreshHover()
{
    for (int i = 0; i < layout.choiceCount; ++i)
        choices[i].setFillColor(layout.choices[i].box.contains(mouseX, mouseY) ? sf::Color::Red : sf::Color::Black);
}

template <const ResultLayout& layout>
int ResultScreen<layout>::Run(sf::RenderWindow& window)
{
    loadFont(font, asset::kFont);
    setUpText(title, font, layout.title, layout.titleX, layout.titleY, kResultTitleSize);
    for (int i = 0; i < layout.choiceCount; ++i) {
        const ResultChoice& choice = layout.choices[i];
        setUpText(choices[i], font, choice.text, choice.x, choice.y, kResultChoiceSize);
    }
    loadTexture(backgroundTexture, asset::kMenuBackground);
    background.setTexture(backgroundTexture);

    while (window.isOpen()) {
        // One pointer sample serves every event of the frame
        const sf::Vector2i pointer = samplePointer(window);
        mouseY = pointer.y;
        mouseX = pointer.x;

        sf::Event event;
        while (window.pollEvent(event)) {
            if (event.type == sf::Event::Closed) {
                window.close();
            } else if (event.type == sf::Event::MouseButtonPressed) {
                if (const auto next = resultChoiceAt(layout, mouseX, mouseY))
                    return *next;
                if (layout.pressOnNothingRefreshesHover)
                    refreshHover();
            } else if (event.type == sf::Event::MouseMoved) {
                refreshHover();
            }
        }
        if (!window.isOpen())
            break;

        // The background fills the window, so the frame is not cleared; it is
        // opaque, so it is drawn without blending (the same pixels, cheaper)
        window.draw(background, sf::BlendNone);
        window.draw(title);
        for (int i = 0; i < layout.choiceCount; ++i)
            window.draw(choices[i]);
        window.display();
    }
    return screen::kQuit;
}

template class ResultScreen<kWonLayout>;
template class ResultScreen<kLostLayout>;
