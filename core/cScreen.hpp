#pragma once

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
