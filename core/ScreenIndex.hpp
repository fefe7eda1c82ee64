#pragma once

// The screen indices that screens return to main (app/main.cpp). They travel as plain
// ints; these names only say which screen each number stands for.
namespace screen {
constexpr int kQuit = -1;           // the window was closed: the program ends
constexpr int kMainMenu = 0;
constexpr int kLevelSelection = 1;
constexpr int kHowToPlay = 2;
constexpr int kExit = 3;            // "Sair": main closes the window
constexpr int kLevel1 = 4;
constexpr int kLevel2 = 5;
constexpr int kLevel3 = 6;
constexpr int kWon = 7;
constexpr int kLost = 8;
constexpr int kCount = 9;           // slots in main's screen table
}  // namespace screen
