#pragma once

#include "LevelData.hpp"

// The three levels. Levels 2 and 3 reuse the pictures of the earlier levels
// at new places and add their own; the spyglass always loads before the bird.
namespace levels {

inline constexpr LevelData kLevel1{
    5, 60, PressLine::Pressed,
    {{
        {"../Images/peixinho_escondido.png", 750, 310, "../Images/recortadas/peixe_padrao.png"},
        {"../Images/ancora_escondida.png", 145, 310, "../Images/recortadas/ancora_padrao.png"},
        {"../Images/carangueijo_escondido.png", 285, 479, "../Images/recortadas/carangueijo_padrao.png"},
        {"../Images/passaro_escondido.png", 350, 60, "../Images//recortadas/passaro_padrao.png"},
        {"../Images/luneta_escondida.png", 240, 450, "../Images/recortadas/luneta_padrao.png"},
    }},
    {1, 2, 3, 5, 4},
};

inline constexpr LevelData kLevel2{
    10, 60, PressLine::Pressed,
    {{
        {"../Images/peixinho_escondido.png", 400, 320, "../Images/recortadas/peixe_padrao.png"},
        {"../Images/ancora_escondida.png", 145, 310, "../Images/recortadas/ancora_padrao.png"},
        {"../Images/carangueijo_escondido.png", 0, 310, "../Images/recortadas/carangueijo_padrao.png"},
        {"../Images/passaro_escondido.png", 350, 60, "../Images/recortadas/passaro_padrao.png"},
        {"../Images/luneta_escondida.png", 675, 386, "../Images/recortadas/luneta_padrao.png"},
        {"../Images/recortadas/anzol_e.png", 389, 200, "../Images/recortadas/anzol_padrao.png"},
        {"../Images/recortadas/cavalo1_e.png", 750, 310, "../Images/recortadas/cavalo_padrao.png"},
        {"../Images/recortadas/carta_e.png", 170, 55, "../Images/recortadas/carta_padrao.png"},
        {"../Images/recortadas/colmeia_e.png", 30, 0, "../Images/recortadas/colmeia_padrao.png"},
        {"../Images/recortadas/concha_e.png", 100, 580, "../Images/recortadas/concha_padrao.png"},
    }},
    {1, 2, 3, 5, 4, 6, 7, 8, 9, 10},
};

inline constexpr LevelData kLevel3{
    15, 60, PressLine::Position,
    {{
        {"../Images/peixinho_escondido.png", 500, 300, "../Images/recortadas/peixe_padrao.png"},
        {"../Images/ancora_escondida.png", 260, 430, "../Images/recortadas/ancora_padrao.png"},
        {"../Images/carangueijo_escondido.png", 23, 90, "../Images/recortadas/carangueijo_padrao.png"},
        {"../Images/passaro_escondido.png", 100, 525, "../Images/recortadas/passaro_padrao.png"},
        {"../Images/luneta_escondida.png", 180, 427, "../Images/recortadas/luneta_padrao.png"},
        {"../Images/recortadas/anzol_e.png", 542, 431, "../Images/recortadas/anzol_padrao.png"},
        {"../Images/recortadas/cavalo1_e.png", 775, 45, "../Images/recortadas/cavalo_padrao.png"},
        {"../Images/recortadas/carta_e.png", 240, 450, "../Images/recortadas/carta_padrao.png"},
        {"../Images/recortadas/colmeia_e.png", 235, 190, "../Images/recortadas/colmeia_padrao.png"},
        {"../Images/recortadas/concha_e.png", 100, 579, "../Images/recortadas/concha_padrao.png"},
        {"../Images/recortadas/bola_e.png", 187, 200, "../Images/recortadas/bola_padrao.png"},
        {"../Images/recortadas/cd_e.png", 230, 51, "../Images/recortadas/cd_padrao.png"},
        {"../Images/recortadas/garrafa_e.png", 33, 227, "../Images/recortadas/garrafa_padrao.png"},
        {"../Images/recortadas/joaninha_e.png", 307, 494, "../Images/recortadas/joaninha_padrao.png"},
        {"../Images/recortadas/ossos_e.png", 165, 15, "../Images/recortadas/ossos_padrao.png"},
    }},
    {1, 2, 3, 5, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
};

}  // namespace levels
