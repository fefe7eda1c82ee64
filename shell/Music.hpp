#pragma once

#include <SFML/Audio/Music.hpp>

#include <optional>

// Opens the game's music, set to loop, and plays it when the machine has an
// audio device. Without the file, or without a device, the game runs silent.
void startMusic(std::optional<sf::Music>& music);
