#include "FramePacer.hpp"

#include "ExposeEvents.hpp"
#include "FrameProbe.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Sleep.hpp>
#include <SFML/Window/Event.hpp>

namespace {
const sf::Time kPollPeriod = sf::seconds(1.f / 60);
// Long enough to cost nothing, short enough that an uncovered window is soon
// whole again where nothing tells the game it was uncovered.
const sf::Time kRefreshPeriod = sf::seconds(0.5f);
// Where Expose events repair an uncovered window, the refresh only guards
// against a missed one.
const sf::Time kHeardRefreshPeriod = sf::seconds(2.f);
}  // namespace

FramePacer::FramePacer() : probe(FrameProbe::installed()) {}

void FramePacer::dueIn(sf::Time time)
{
    // A moment already past is left to the next poll, so that a change that
    // does not come when due (rounding) cannot make the loop spin.
    const sf::Time at = sincePoll.getElapsedTime() + time;
    if (time > sf::Time::Zero && (wakeAt == sf::Time::Zero || at < wakeAt))
        wakeAt = at;
}

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

bool FramePacer::running() const
{
    return probe == nullptr || !probe->stopped();
}

bool FramePacer::frameDue() const
{
    if (probe != nullptr && probe->unpaced())
        return true;
    return drawDue || sinceShown.getElapsedTime() >= (exposuresHeard ? kHeardRefreshPeriod : kRefreshPeriod);
}

void FramePacer::show(sf::RenderWindow& window, const std::function<void()>& draw)
{
    draw();
    if (probe != nullptr)
        probe->displaying();
    window.display();
    drawDue = false;
    sinceShown.restart();
    if (probe != nullptr) {
        probe->displayed([&] {
            draw();
            window.display();
        });
    }
}

void FramePacer::waitForNextPoll()
{
    if (probe != nullptr && (probe->unpaced() || probe->stopped()))
        return;
    // A slow frame is not made up for: the next poll comes a full period after
    // this one at the latest, or when a change is due if that is sooner.
    const sf::Time until = (wakeAt > sf::Time::Zero && wakeAt < kPollPeriod) ? wakeAt : kPollPeriod;
    const sf::Time left = until - sincePoll.getElapsedTime();
    if (left > sf::Time::Zero)
        sf::sleep(left);
    sincePoll.restart();
    wakeAt = sf::Time::Zero;
}
