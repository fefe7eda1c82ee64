#pragma once

#include <SFML/Window/WindowHandle.hpp>

// X asks a window to repaint what another window covered (an Expose event)
// when it is uncovered or restored; SFML reports none of these. On X11 a
// connection to the X server of the game's own listens for them, so that
// SFML's own connection and event mask stay as they are. Elsewhere, or when
// that connection cannot be opened, nothing listens.
namespace expose {

// Listens for Expose events on window from now on; false when nothing can.
bool watch(sf::WindowHandle window);

// True when a burst of Expose events on the watched window has ended since
// the last call. Never blocks.
bool exposed();

}  // namespace expose
