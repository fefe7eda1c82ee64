#pragma once

namespace sf {
class Window;
}

// Gives the window the game's icon (the taskbar's, the window switcher's and
// the title bar's). The picture is built into the program, so there is no
// file to miss.
void setWindowIcon(sf::Window& window);
