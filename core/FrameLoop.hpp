#pragma once

#include "Pointer.hpp"
#include "ScreenIndex.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/System/Clock.hpp>
#include <SFML/Window/Event.hpp>

#include <optional>

// Decides when a frame is drawn and how long the loop sleeps. Without a GPU,
// drawing an unchanged 800 x 600 picture 60 times a second costs a fifth of
// a core, so a frame is drawn only when something shown may have changed, and
// otherwise now and then. A window uncovered by another is repaired only by a
// new frame: on X11 the pacer hears of it (ExposeEvents.hpp) and the refresh is
// only a safety net; elsewhere the refresh repairs it, every half second.
class FramePacer {
public:
    // Something shown may have changed: draw the next frame.
    void changed() { drawDue = true; }
    // Something shown will change in this time (a countdown step): the loop
    // wakes for it rather than at the next poll.
    void dueIn(sf::Time time);
    // Events that change the picture whatever the screen shows.
    void notice(const sf::Event& event);
    // Once a poll: the window was uncovered since the last one.
    void noticeExposures(const sf::Window& window);

    bool frameDue() const;
    void frameShown();
    // Events are polled about 60 times a second; the loop sleeps in between.
    void waitForNextPoll();

private:
    bool drawDue = true;  // the first frame
    bool exposuresAsked = false;
    bool exposuresHeard = false;
    sf::Time wakeAt = sf::Time::Zero;  // since the last poll; zero when nothing is due
    sf::Clock sinceShown;
    sf::Clock sincePoll;
};

// The one frame loop of every screen: take every pending event, update, draw
// back to front, display. A scene provides
//   std::optional<int> handleEvent(const sf::Event&, FramePacer&)  an index leaves at once
//   std::optional<int> update(FramePacer&)                         once a frame, after the events
//   void draw(sf::RenderTarget&) const                             the whole picture
//   std::optional<int> finished()                                  after the frame is shown
// and tells the pacer when something it shows changes. Mouse events reach the
// scene with their positions in scene coordinates. The loop returns the index
// of the next screen, or screen::kQuit once the window is closed.
template <class Scene>
int runFrames(sf::RenderWindow& window, Scene& scene)
{
    FramePacer pacer;
    while (window.isOpen()) {
        // Handle events
        sf::Event event;
        while (window.pollEvent(event)) {
            if (event.type == sf::Event::Closed) {
                window.close();  // the frame still ends as usual
                break;
            }
            pacer.notice(event);
            mapEventToScene(window, event);
            if (const auto next = scene.handleEvent(event, pacer))
                return *next;
        }
        // Repaint what another window uncovered
        if (window.isOpen())
            pacer.noticeExposures(window);

        if (const auto next = scene.update(pacer))
            return *next;

        // Draw the scene; a window closed during this frame shows nothing
        if (window.isOpen() && pacer.frameDue()) {
            scene.draw(window);
            window.display();
            pacer.frameShown();
        }

        if (const auto next = scene.finished())
            return *next;
        if (window.isOpen())
            pacer.waitForNextPoll();
    }
    return screen::kQuit;
}
