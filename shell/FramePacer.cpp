#include "ExposeEvents.hpp"
#include "FrameLoop.hpp"

#include <SFML/System/Sleep.hpp>

namespace {
const sf::Time kPollPeriod = sf::seconds(1.f / 60);
// Long enough to cost nothing, short enough that an uncovered window is soon
// whole again where nothing tells the game it was uncovered.
const sf::Time kRefreshPeriod = sf::seconds(0.5f);
// Where Expose events repair an uncovered window, the refresh only guards
// against a missed one.
const sf::Time kHeardRefreshPeriod = sf::seconds(2.f);
}  // namespace

void FramePacer::notice(const sf::Event& event)
{
    // A stretched window needs a stretched picture; a window that comes back
    // to the front may have been drawn over.
    if (event.type == sf::Event::Resized || event.type == sf::Event::GainedFocus)
        changed();
}

void FramePacer::noticeExposures(const sf::Window& window)
{
    // A screen starts listening at its first poll; the connection behind it
    // serves the whole run.
    if (!exposuresAsked) {
        exposuresAsked = true;
        exposuresHeard = expose::watch(window.getSystemHandle());
    }
    if (exposuresHeard && expose::exposed())
        changed();
}

bool FramePacer::frameDue() const
{
    return drawDue || sinceShown.getElapsedTime() >= (exposuresHeard ? kHeardRefreshPeriod : kRefreshPeriod);
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
