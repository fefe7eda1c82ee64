#include "LevelRules.hpp"

#include "core/ScreenIndex.hpp"

namespace rules {

std::int32_t findAt(Fila& fila, const std::vector<sf::FloatRect>& bounds, sf::Vector2f point)
{
    if (fila.Vazia())
        return 0;
    const std::int32_t target = fila.first();
    const auto index = static_cast<std::size_t>(target - 1);
    if (target < 1 || index >= bounds.size() || !bounds[index].contains(point))
        return 0;
    fila.Retira();
    return target;
}

bool countdownStep(int& tempo, float secondsSinceLastStep)
{
    if (static_cast<int>(secondsSinceLastStep) <= 0 || tempo <= 0)
        return false;
    --tempo;
    return true;
}

std::array<std::int32_t, kListSlots> listSlots(const Fila& fila)
{
    std::array<std::int32_t, kListSlots> ids{};
    for (int k = 1; k <= kListSlots; ++k)
        ids[k - 1] = fila.firstfive(k);
    return ids;
}

std::string pressLine(PressLine kind, sf::Vector2i pointer)
{
    if (kind == PressLine::Position)
        return std::to_string(pointer.x) + "," + std::to_string(pointer.y);
    return "Pressed";
}

std::optional<int> outcome(Fila& fila, int tempo)
{
    if (fila.Contador() == 0)
        return screen::kWon;
    if (tempo == 0)
        return screen::kLost;
    return std::nullopt;
}

}  // namespace rules
