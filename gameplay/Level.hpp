#pragma once

#include "Fila.hpp"
#include "LevelData.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Clock.hpp>

#include <array>
#include <optional>
#include <vector>

class FramePacer;
namespace sf {
class Event;
class RenderTarget;
class RenderWindow;
}  // namespace sf

// The one level mechanic: a scene with hidden objects to find in a fixed
// order before the countdown runs out. nivel1, nivel2 and nivel3 each play
// it with their own table. A Level plays once; main builds a new screen
// (and so a new Level) for every visit.
class Level {
public:
    explicit Level(const LevelData& data);
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;

    int Run(sf::RenderWindow& window);

    // The steps of Run: load, then the frame loop's steps (see runFrames).
    void load();
    std::optional<int> handleEvent(const sf::Event& event, FramePacer& pacer);
    std::optional<int> update(FramePacer& pacer);
    void draw(sf::RenderTarget& target) const;
    std::optional<int> finished();

private:
    // A left press at a scene point; true when it finds the current target.
    bool press(sf::Vector2i point);

    const LevelData& data;
    int mouseX = 0;
    int mouseY = 0;
    int tempo;
    Fila fila;
    std::array<Objeto, kMaxObjects> objetos{};
    std::array<bool, kMaxObjects> escondido{};
    std::array<bool, kListSlots> slotAtivo{};
    sf::Texture backgroundTexture;
    std::array<sf::Texture, kMaxObjects> hiddenTextures;
    std::array<sf::Texture, kMaxObjects> listTextures;
    sf::Sprite fundo;
    sf::Font fonte;
    sf::Clock relogio;  // paces the countdown from the moment the screen is built
    sf::Text textoTempo;
    sf::Text textoRotulo;
    // Built by load() from the textures above.
    std::vector<sf::Sprite> hiddenSprites;
    std::vector<sf::FloatRect> hiddenBounds;
    std::array<sf::Sprite, kListSlots> listSlots;
};
