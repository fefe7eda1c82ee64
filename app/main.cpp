#include "core/Console.hpp"
#include "core/Music.hpp"
#include "core/ScreenIndex.hpp"
#include "core/WindowIcon.hpp"
#include "core/cScreen.hpp"
#include "gameplay/LevelScreens.hpp"
#include "menus/ResultScreen.hpp"
#include "menus/howto.hpp"
#include "menus/mainmenu.hpp"
#include "menus/play.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <array>
#include <locale>
#include <memory>
#include <optional>

namespace {
constexpr unsigned kWindowWidth = 800;
constexpr unsigned kWindowHeight = 600;
constexpr unsigned kBitsPerPixel = 32;

// A fresh screen for a screen index, so that every visit starts from the
// screen's initial state. Index 3 (exit) and the negative ones have no screen.
std::unique_ptr<cScreen> makeScreen(int index)
{
    switch (index) {
    case screen::kMainMenu: return std::make_unique<mainmenu>();
    case screen::kLevelSelection: return std::make_unique<play>();
    case screen::kHowToPlay: return std::make_unique<howto>();
    case screen::kLevel1: return std::make_unique<nivel1>();
    case screen::kLevel2: return std::make_unique<nivel2>();
    case screen::kLevel3: return std::make_unique<nivel3>();
    case screen::kWon: return std::make_unique<ganhou>();
    case screen::kLost: return std::make_unique<perdeu>();
    default: return nullptr;
    }
}
}  // namespace

int main()
{
    attachParentConsole();

    // One slot per screen index; slot 3 (exit) stays empty.
    std::array<std::unique_ptr<cScreen>, screen::kCount> screens;
    int current = screen::kMainMenu;

    sf::RenderWindow window(sf::VideoMode(kWindowWidth, kWindowHeight, kBitsPerPixel),
                            sf::String("Sunken Finds", std::locale()),
                            sf::Style::Titlebar | sf::Style::Resize | sf::Style::Close,
                            sf::ContextSettings());
    // The screens pace themselves (FrameLoop.hpp): no frame-rate limit here.
    setWindowIcon(window);

    // Looping for the whole run; without the file or a sound device, silent.
    // Declared after the window, so that the music stops before the window goes.
    std::optional<GameMusic> music;
    startMusic(music);

    for (int index = 0; index < screen::kCount; ++index)
        screens[index] = makeScreen(index);

    // Run the screen of the current index; rebuild the screen it hands over to.
    // The screen that hands over goes at once, with its pictures and font,
    // rather than at its next visit, so that left screens hold no memory.
    while (current >= 0) {
        const int next = screens[current] ? screens[current]->Run(window) : screen::kQuit;
        screens[current].reset();
        current = next;
        if (current == screen::kExit) {
            window.close();
            break;
        }
        if (current >= 0 && current < screen::kCount)
            screens[current] = makeScreen(current);
        else if (current >= screen::kCount)
            current = screen::kQuit;
    }

    for (auto slot = screens.rbegin(); slot != screens.rend(); ++slot)
        slot->reset();
    return -1;
}
