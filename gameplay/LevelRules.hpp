#pragma once

#include "Fila.hpp"
#include "LevelData.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The rules of a level, apart from any window, so that they can be checked
// with made-up presses, positions and times.
namespace rules {

// A press finds an object only when the object is the current target (the
// front of the queue) and the point lies in its picture: left and top edges
// inside, right and bottom edges outside. A find removes it from the queue.
// bounds[i] is the picture of object id i + 1. Returns the id found, or 0.
std::int32_t findAt(Fila& fila, const std::vector<sf::FloatRect>& bounds, sf::Vector2f point);

// The countdown steps once a whole second has passed since the last step (or
// since the level was built), at most once per frame: a late frame does not
// catch up. Returns true when tempo stepped and the clock must restart.
bool countdownStep(int& tempo, float secondsSinceLastStep);

// The ids shown in the five list slots: the next five objects still to find,
// 0 where fewer are left.
std::array<std::int32_t, kListSlots> listSlots(const Fila& fila);

// The console line of a left press.
std::string pressLine(PressLine kind, sf::Vector2i pointer);

// Where a finished level leads after a frame: won when the queue is empty
// (even if the time ran out in the same frame), lost when the time is up.
std::optional<int> outcome(Fila& fila, int tempo);

}  // namespace rules
