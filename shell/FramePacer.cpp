#include "FrameLoop.hpp"

#include <SFML/System/Sleep.hpp>

namespace {
const sf::Time kPollPeriod = sf::seconds(1.f / 60);
// Long enough to cost nothing, short enough that an uncovered window is soon whole again.
const sf::Time kRefreshPeriod = sf::seconds(0.5f);
}  // namespace

void FramePacer::notice(const sf::Event& event)
{
    // A stretched window needs a stretched picture; a window that comes back
    // to the front may have been drawn over.
    if (event.type == sf::Event::Resized || event.type == sf::Event::GainedFocus)
        changed();
}

bool FramePacer::frameDue() const
{
    return drawDue || sinceShown.getElapsedTime() >= kRefreshPeriod;
}

void FramePacer::frameShown()
{
    drawDue = false;
    sinceShown.restart();
}

void FramePacer::waitForNextPoll()
{
    // A slow frame is not made up for: the next poll comes a full period after
    // this one at the latest.
    const sf::Time left = kPollPeriod - sincePoll.getElapsedTime();
    if (left > sf::Time::Zero)
        sf::sleep(left);
    sincePoll.restart();
}
