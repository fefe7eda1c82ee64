#include "Assets.hpp"

#include "FrameProbe.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {
enum class Kind { Texture, Font };

bool report(bool loaded, const char* path, Kind kind, ErrorLine errorLine)
{
    if (FrameProbe* const probe = FrameProbe::installed())
        probe->loaded(path, kind == Kind::Font, loaded);
    if (loaded)
        return true;
    if (errorLine == ErrorLine::Print)
        std::cout << "Error" << std::endl;
    reportFailedLoad(path);
    return false;
}
}  // namespace

void reportFailedLoad(const char* path)
{
    // The absolute path shows where the game looked: ../ of the folder it was
    // started in, which is the wrong place when it is started from elsewhere.
    std::error_code error;
    const std::filesystem::path tried = std::filesystem::absolute(path, error);
    std::cerr << "Cannot load " << (error ? path : tried.lexically_normal().string()) << std::endl;
}

bool loadTexture(sf::Texture& texture, const char* path, ErrorLine errorLine)
{
    return report(texture.loadFromFile(path), path, Kind::Texture, errorLine);
}

bool loadFont(sf::Font& font, const char* path)
{
    return report(font.loadFromFile(path), path, Kind::Font, ErrorLine::Print);
}
