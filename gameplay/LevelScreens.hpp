#pragma once

#include "Level.hpp"
#include "LevelTables.hpp"
#include "core/cScreen.hpp"

// A level screen: the one level mechanic played with one level's table.
template <const LevelData& table>
class LevelScreen final : public cScreen {
public:
    int Run(sf::RenderWindow& window) override { return level.Run(window); }

private:
    Level level{table};  // its countdown starts when the screen is built
};

using nivel1 = LevelScreen<levels::kLevel1>;
using nivel2 = LevelScreen<levels::kLevel2>;
using nivel3 = LevelScreen<levels::kLevel3>;
