#pragma once

// On Windows the game is a windowed program: it never opens a console of its
// own. Each of its two streams goes wherever it was redirected; started from
// a command prompt, a stream not redirected goes to that prompt. Elsewhere
// this does nothing.
void attachParentConsole();
