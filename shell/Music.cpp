#include "Music.hpp"

#include "Assets.hpp"

#include <alc.h>  // found through OpenAL's include directory, as CMake's FindOpenAL expects
#include <SFML/System/Err.hpp>

#include <iostream>
#include <sstream>

void startMusic(std::optional<sf::Music>& music)
{
    // SFML opens the audio device along with the first sound object. Without
    // one (no sound card or sound server, as in many virtual machines and
    // remote sessions) every OpenAL call fails, and a playing stream retries
    // them without pause: a busy core and megabytes of error text a second.
    // So SFML's messages are held back until it is known whether a device
    // opened, and without one the music never starts.
    std::ostringstream messages;
    std::streambuf* const errors = sf::err().rdbuf(messages.rdbuf());
    music.emplace();
    music->openFromFile(asset::kMusic);
    const bool deviceOpen = alcGetCurrentContext() != nullptr;
    sf::err().rdbuf(errors);

    if (!deviceOpen) {
        std::cerr << "No audio device: the game runs without sound." << std::endl;
        return;
    }
    sf::err() << messages.str();
    music->setLoop(true);
    music->play();
}
