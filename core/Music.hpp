#pragma once

#include <SFML/Audio/Music.hpp>

#include <optional>

// The game's music. When the audio device goes away mid-game (a sound server
// restart, a headset unplugged) the stream ends and the game goes on silent:
// SFML alone would restart the dead source without pause, a busy core for
// the rest of the run.
class GameMusic final : public sf::Music {
protected:
    bool onGetData(Chunk& data) override;
};

// Opens the game's music, set to loop, and plays it when the machine has an
// audio device. Without the file the game runs silent; without a device, too,
// and then no music object is left.
void startMusic(std::optional<GameMusic>& music);
