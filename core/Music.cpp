#include "Music.hpp"

#include "Assets.hpp"

#include <SFML/System/Err.hpp>
#include <alc.h>  // found through OpenAL's include directory, as CMake's FindOpenAL expects
#include <alext.h>

#include <iostream>
#include <sstream>

namespace {
// Whether SFML's audio device is open and still there.
bool deviceConnected()
{
    ALCcontext* const context = alcGetCurrentContext();
    ALCdevice* const device = context != nullptr ? alcGetContextsDevice(context) : nullptr;
    if (device == nullptr)
        return false;
    ALCint connected = ALC_TRUE;  // a device that cannot tell is taken as there
    alcGetIntegerv(device, ALC_CONNECTED, 1, &connected);
    return connected != ALC_FALSE;
}
}  // namespace

bool GameMusic::onGetData(Chunk& data)
{
    // Called on SFML's streaming thread for every buffer played out. Ending
    // the data without a loop ends the stream and its thread.
    if (!deviceConnected()) {
        setLoop(false);
        return false;
    }
    return sf::Music::onGetData(data);
}

void startMusic(std::optional<GameMusic>& music)
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
    const bool opened = music->openFromFile(asset::kMusic);
    const bool deviceOpen = deviceConnected();
    if (!deviceOpen)
        music.reset();  // its OpenAL calls fail too, down to the last one in its destructor
    sf::err().rdbuf(errors);

    if (!opened)
        reportFailedLoad(asset::kMusic);

    if (!deviceOpen) {
        std::cerr << "No audio device: the game runs without sound." << std::endl;
        return;
    }
    sf::err() << messages.str();
    music->setLoop(true);
    music->play();
}
