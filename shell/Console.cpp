#include "Console.hpp"

#ifdef _WIN32
#include <windows.h>
#endif

void hideConsoleWindow()
{
#ifdef _WIN32
    // Whether a console was attached and hidden makes no difference to the game.
    ShowWindow(GetConsoleWindow(), SW_HIDE);
#endif
}
