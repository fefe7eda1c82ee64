#pragma once

// On Windows the game is a windowed program: it never opens a console of its
// own. Its lines go wherever its standard output was redirected; started from
// a command prompt without a redirection, they go to that prompt. Elsewhere
// this does nothing.
void attachParentConsole();
