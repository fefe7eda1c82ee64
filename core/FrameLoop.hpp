#pragma once

#include "FramePacer.hpp"
#include "Input.hpp"
#include "ScreenIndex.hpp"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <optional>
#include <type_traits>
#include <utility>

namespace frame_steps {
// Whether a scene has the optional steps, so that a screen states only what it does.
template <class Scene, class = void>
struct HasUpdate : std::false_type {};
template <class Scene>
struct HasUpdate<Scene, std::void_t<decltype(std::declval<Scene&>().update(std::declval<FramePacer&>()))>>
    : std::true_type {};
template <class Scene, class = void>
struct HasFinished : std::false_type {};
template <class Scene>
struct HasFinished<Scene, std::void_t<decltype(std::declval<Scene&>().finished())>> : std::true_type {};
}  // namespace frame_steps

// The one frame loop of every screen: take every pending event, update, draw
// back to front, display. A scene provides
//   std::optional<int> handleEvent(const sf::Event&, FramePacer&)  an index leaves at once
//   void draw(sf::RenderTarget&) const                             the whole picture
// and, when it has something to do there,
//   std::optional<int> update(FramePacer&)                         once a frame, after the events
//   std::optional<int> finished()                                  after the frame is shown
// and tells the pacer when something it shows changes. Mouse events reach the
// scene with their positions in scene coordinates. The loop returns the index
// of the next screen, or screen::kQuit once the window is closed.
template <class Scene>
int runFrames(sf::RenderWindow& window, Scene& scene)
{
    FramePacer pacer;
    while (window.isOpen() && pacer.running()) {
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

        if constexpr (frame_steps::HasUpdate<Scene>::value) {
            if (const auto next = scene.update(pacer))
                return *next;
        }

        // Draw the scene; a window closed during this frame shows nothing
        if (window.isOpen() && pacer.frameDue())
            pacer.show(window, [&] { scene.draw(window); });

        if constexpr (frame_steps::HasFinished<Scene>::value) {
            if (const auto next = scene.finished())
                return *next;
        }
        if (window.isOpen())
            pacer.waitForNextPoll();
    }
    return screen::kQuit;
}
