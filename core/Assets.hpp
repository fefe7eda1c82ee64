#pragma once

namespace sf {
class Font;
class Texture;
}  // namespace sf

// Loading with the game's one failure report: a file that cannot be loaded
// prints "Error" on its own line on standard output (unless the screen loads
// it without one) and the screen goes on without it. Standard error names the
// file by the absolute path that was tried.
enum class ErrorLine { Print, Omit };
bool loadTexture(sf::Texture& texture, const char* path, ErrorLine errorLine = ErrorLine::Print);
bool loadFont(sf::Font& font, const char* path);
// Only the standard error line, for a load that prints no "Error".
void reportFailedLoad(const char* path);

namespace asset {
constexpr const char* kFont = "../Fonts/PirataOne-Regular.ttf";
constexpr const char* kMenuBackground = "../Images/fundo_inicio.bmp";
constexpr const char* kMusic = "../Sounds/1.ogg";
}  // namespace asset
