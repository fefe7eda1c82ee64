#pragma once

#include "shell/cScreen.hpp"

// The main menu: the title and the choices "Jogar", "Como Jogar" and "Sair".
// The first left click ends it with the number of the choice it hit (0 for none).
class mainmenu final : public cScreen {
public:
    int Run(sf::RenderWindow& window) override;

private:
    int mouseY = 0;
    int mouseX = 0;
};
