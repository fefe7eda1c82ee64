#pragma once

// Hides the console window that a Windows build is started with; elsewhere
// there is no such window and this does nothing.
void hideConsoleWindow();
