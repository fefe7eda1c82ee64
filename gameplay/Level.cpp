#include "Level.hpp"

#include "LevelRules.hpp"
#include "core/Assets.hpp"
#include "core/Drawing.hpp"
#include "core/FrameLoop.hpp"

#include <iostream>
#include <string>

namespace {
constexpr const char* kBackground = "../Images/fundo.bmp";
constexpr const char* kLabel = "Tempo restante:";
constexpr unsigned kTextSize = 40;
const sf::Vector2f kLabelPosition{473, 0};
const sf::Vector2f kCountdownPosition{730, 0};
// rules::countdownStep steps once a whole second has passed since the last step.
const sf::Time kCountdownStep = sf::seconds(1.f);
// The list strip under the scene; the steps between slots are 60, 60, 70, 70.
const std::array<sf::Vector2f, kListSlots> kSlotPositions{
    {{370, 490}, {430, 490}, {490, 490}, {560, 490}, {630, 490}}};
}  // namespace

Level::Level(const LevelData& levelData) : data(levelData), tempo(levelData.timeLimit)
{
    for (int i = 0; i < data.objectCount; ++i) {
        objetos[i].id = i + 1;
        escondido[i] = true;
    }
    slotAtivo.fill(true);
}

int Level::Run(sf::RenderWindow& window)
{
    load();
    return runFrames(window, *this);
}

void Level::load()
{
    const int count = data.objectCount;
    const auto inLoadOrder = [&](auto&& load) {
        for (int n = 0; n < count; ++n)
            load(data.loadOrder[n] - 1);
    };

    loadFont(fonte, asset::kFont);
    setUpText(textoTempo, fonte, std::to_string(tempo), kCountdownPosition, kTextSize);
    setUpText(textoRotulo, fonte, kLabel, kLabelPosition, kTextSize);

    loadTexture(backgroundTexture, kBackground);
    fundo.setTexture(backgroundTexture);

    inLoadOrder([&](int i) { loadTexture(hiddenTextures[i], data.objects[i].hiddenImage); });
    for (int i = 0; i < count; ++i) {
        sf::Sprite sprite(hiddenTextures[i]);
        sprite.setPosition(data.objects[i].x, data.objects[i].y);
        hiddenSprites.push_back(sprite);
        hiddenBounds.push_back(sprite.getGlobalBounds());
    }

    inLoadOrder([&](int i) { loadTexture(listTextures[i], data.objects[i].listImage); });
    // A slot keeps the size of the picture it starts with, so list pictures
    // of one size show whole in every slot.
    for (int k = 0; k < kListSlots && k < count; ++k) {
        listSlots[k].setTexture(listTextures[k]);
        listSlots[k].setPosition(kSlotPositions[k]);
    }

    for (int i = 0; i < count; ++i)
        fila.Insere(objetos[i]);
}

std::optional<int> Level::handleEvent(const sf::Event& event, FramePacer& pacer)
{
    if (isEscape(event, sf::Event::KeyReleased))
        return screen::kMainMenu;
    if (takePointer(event, mouseX, mouseY) && isPress(event, sf::Mouse::Left) && press({mouseX, mouseY}))
        pacer.changed();
    return std::nullopt;
}

bool Level::press(sf::Vector2i point)
{
    std::cout << rules::pressLine(data.pressLine, point) << std::endl;
    const sf::Vector2f scenePoint(static_cast<float>(point.x), static_cast<float>(point.y));
    const std::int32_t found = rules::findAt(fila, hiddenBounds, scenePoint);
    if (found == 0)
        return false;
    std::cout << "Retirou " << found << std::endl;
    escondido[found - 1] = false;
    return true;
}

std::optional<int> Level::update(FramePacer& pacer)
{
    // Countdown; the frame loop wakes when the next step is due, not at the
    // poll after it (one reading of the clock for both, so they agree)
    const sf::Time sinceStep = relogio.getElapsedTime();
    if (rules::countdownStep(tempo, sinceStep.asSeconds())) {
        textoTempo.setString(std::to_string(tempo));
        relogio.restart();
        pacer.changed();
    } else if (tempo > 0) {
        pacer.dueIn(kCountdownStep - sinceStep);
    }

    // The list shows the next five objects; a slot left empty stays gone.
    const auto shown = rules::listSlots(fila);
    for (int k = 0; k < kListSlots; ++k) {
        if (shown[k] == 0)
            slotAtivo[k] = false;
        else
            listSlots[k].setTexture(listTextures[shown[k] - 1]);
    }
    return std::nullopt;
}

void Level::draw(sf::RenderTarget& target) const
{
    drawBackground(target, fundo, sf::Color::White);
    for (std::size_t i = 0; i < hiddenSprites.size(); ++i) {
        if (escondido[i])
            target.draw(hiddenSprites[i]);
    }
    for (int k = 0; k < kListSlots; ++k) {
        if (slotAtivo[k])
            target.draw(listSlots[k]);
    }
    target.draw(textoTempo);
    target.draw(textoRotulo);
}

std::optional<int> Level::finished()
{
    return rules::outcome(fila, tempo);
}
