#pragma once

#include <SFML/Config.hpp>

// Every screen is written against SFML 2: a build that reaches SFML 3's
// headers (installed beside a built-in SFML 2) stops here, not in a screen.
static_assert(SFML_VERSION_MAJOR == 2, "Sunken Finds builds on SFML 2, not SFML 3");

namespace sf {
class RenderWindow;
}

// A screen of the game. Run takes over the shared window, plays the screen
// and returns the index of the screen to show next (see ScreenIndex.hpp).
class cScreen {
public:
    cScreen() = default;
    cScreen(const cScreen&) = delete;
    cScreen& operator=(const cScreen&) = delete;
    // main (app/main.cpp) owns the screens through cScreen pointers, so deleting one
    // through the base must run the screen's own destructor.
    virtual ~cScreen() = default;

    virtual int Run(sf::RenderWindow& window) = 0;
};
