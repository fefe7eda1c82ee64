#pragma once

namespace sf {
class Font;
class Texture;
}  // namespace sf

// Loading with the game's one failure report: a file that cannot be loaded
// prints "Error" on its own line and the screen goes on without it.
bool loadTexture(sf::Texture& texture, const char* path);
bool loadFont(sf::Font& font, const char* path);

// Whether a picture drawn at the origin covers the whole 800 x 600 scene, so
// that a frame that starts with it (opaque, drawn without blending) needs no
// clear: every pixel is replaced anyway.
bool fillsScene(const sf::Texture& picture);

namespace asset {
constexpr const char* kFont = "../Fonts/PirataOne-Regular.ttf";
constexpr const char* kMenuBackground = "../Images/fundo_inicio.bmp";
constexpr const char* kMusic = "../Sounds/1.ogg";
}  // namespace asset
