#pragma once

#include <SFML/System/Clock.hpp>
#include <SFML/System/Time.hpp>

#include <functional>

namespace sf {
class Event;
class RenderWindow;
class Window;
}  // namespace sf

class FrameProbe;

// Decides when a frame is drawn and how long the loop sleeps. Without a GPU,
// drawing an unchanged 800 x 600 picture 60 times a second costs a fifth of
// a core, so a frame is drawn only when something shown may have changed, and
// otherwise now and then. A window uncovered by another is repaired only by a
// new frame: on X11 the pacer hears of it (ExposeEvents.hpp) and the refresh is
// only a safety net; elsewhere the refresh repairs it, every half second.
class FramePacer {
public:
    // A pacer reports to the probe installed when it is made, if any
    // (FrameProbe.hpp); the game installs none.
    FramePacer();

    // Something shown may have changed: draw the next frame.
    void changed() { drawDue = true; }
    // Something shown will change in this time (a countdown step): the loop
    // wakes for it rather than at the next poll.
    void dueIn(sf::Time time);
    // Events that change the picture whatever the screen shows.
    void notice(const sf::Event& event);
    // Once a poll: the window was uncovered since the last one.
    void noticeExposures(const sf::Window& window);

    // False once a probe has seen enough of this loop: it ends as if the
    // window had been closed.
    bool running() const;
    bool frameDue() const;
    // Draws the frame with draw, then displays it.
    void show(sf::RenderWindow& window, const std::function<void()>& draw);
    // Events are polled about 60 times a second; the loop sleeps in between.
    void waitForNextPoll();

private:
    FrameProbe* const probe;
    bool drawDue = true;  // the first frame
    bool exposuresAsked = false;
    bool exposuresHeard = false;
    sf::Time wakeAt = sf::Time::Zero;  // since the last poll; zero when nothing is due
    sf::Clock sinceShown;
    sf::Clock sincePoll;
};
