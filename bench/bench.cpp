// Times every screen of the game in this process, with the game's own code:
// the screens run as they are, and the game's probe (core/FrameProbe.hpp)
// tells the bench of every load and frame, draws every pass of a loop while
// frames are timed, and ends a loop once the bench has seen enough. Run from
// the build directory, like the game:
//   sunken-bench [entry-runs frame-runs]     table rows
//   sunken-bench --startup GAME SHIM RUNS    exec to first frame, of GAME and of --bare
//   sunken-bench --bare                      one picture and a text, 60 frames; VmHWM in MB
//   sunken-bench --idle-floor [--silent]     the game's window and music, polled at 60 Hz
//                                            and never drawn, until closed (realgame.py)
//   sunken-bench --ticking-floor [--silent]  the same, with level 3's whole picture drawn
//                                            once a second, as its countdown needs
#include "core/FramePacer.hpp"
#include "core/FrameProbe.hpp"
#include "core/Music.hpp"
#include "gameplay/LevelScreens.hpp"
#include "gameplay/LevelTables.hpp"
#include "menus/ResultScreen.hpp"
#include "menus/howto.hpp"
#include "menus/mainmenu.hpp"
#include "menus/play.hpp"

#include <SFML/Graphics.hpp>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kWarmFrames = 10;  // frames shown before the count starts
constexpr int kCountedFrames = 120;

double ms(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Load {
    bool font;
    std::string path;
};

enum class Watch { EntryOnly, Frames };

// What the bench sees of a screen while it runs.
class Probe final : public FrameProbe {
public:
    explicit Probe(Watch watch) : watch(watch) { FrameProbe::install(this); }
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;
    ~Probe() override { FrameProbe::install(nullptr); }

    void loaded(const char* path, bool font, bool ok) override
    {
        loads.push_back({font, path});
        loadFailed |= !ok;
        lastLoadEnd = Clock::now();
    }

    // A still screen draws twice a second and sleeps between polls; while
    // frames are timed, every pass of its loop draws and none sleeps.
    bool unpaced() const override { return watch == Watch::Frames; }

    bool stopped() const override { return stop; }

    void displaying() override
    {
        if (frames == 0)
            firstDisplayCall = Clock::now();
    }

    // The frame again, to time it with nothing of the screen's loop around.
    void displayed(const std::function<void()>& redraw) override
    {
        const Clock::time_point now = Clock::now();
        if (++frames == 1)
            firstFrame = now;
        if (frames == kWarmFrames)
            countStart = now;
        if (watch == Watch::EntryOnly) {
            stop = true;
        } else if (frames == kWarmFrames + kCountedFrames) {
            frameMs = ms(now - countStart) / kCountedFrames;
            const Clock::time_point bareStart = Clock::now();
            for (int i = 0; i < kCountedFrames; ++i)
                redraw();
            bareFrameMs = ms(Clock::now() - bareStart) / kCountedFrames;
            stop = true;
        }
    }

    const Watch watch;
    bool stop = false;  // the screen's loop ends at its next test
    bool loadFailed = false;
    int frames = 0;
    Clock::time_point lastLoadEnd, firstDisplayCall, firstFrame, countStart;
    double frameMs = 0, bareFrameMs = 0;
    std::vector<Load> loads;
};
}  // namespace

namespace {
struct ScreenCase {
    const char* name;
    std::unique_ptr<cScreen> (*make)();
    std::vector<Load> loads{};  // seen on its first run
    std::vector<double> entry{}, loading{}, drawing{}, display{}, loadFloor{}, frame{}, frameFloor{};
};

template <class Screen>
std::unique_ptr<cScreen> make()
{
    return std::make_unique<Screen>();
}

void runScreen(ScreenCase& screen, sf::RenderWindow& window, Watch watch)
{
    std::unique_ptr<cScreen> instance = screen.make();
    Probe probe(watch);
    const Clock::time_point start = Clock::now();
    instance->Run(window);
    if (probe.frames == 0 || probe.loadFailed || !window.isOpen()) {
        std::fprintf(stderr, "sunken-bench: %s did not run through (a file missing?)\n", screen.name);
        std::exit(1);
    }
    if (watch == Watch::EntryOnly) {
        screen.entry.push_back(ms(probe.firstFrame - start));
        screen.loading.push_back(ms(probe.lastLoadEnd - start));
        screen.drawing.push_back(ms(probe.firstDisplayCall - probe.lastLoadEnd));
        screen.display.push_back(ms(probe.firstFrame - probe.firstDisplayCall));
    } else {
        screen.frame.push_back(probe.frameMs);
        screen.frameFloor.push_back(probe.bareFrameMs);
    }
    if (screen.loads.empty())
        screen.loads = probe.loads;
}

// Decoding and uploading the same files, in the same order, and nothing else.
double loadFloor(const std::vector<Load>& loads)
{
    std::deque<sf::Texture> textures;
    std::deque<sf::Font> fonts;
    const Clock::time_point start = Clock::now();
    for (const Load& load : loads) {
        if (load.font)
            fonts.emplace_back().loadFromFile(load.path);
        else
            textures.emplace_back().loadFromFile(load.path);
    }
    return ms(Clock::now() - start);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    if (n == 0)
        return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One row of the table: the figure, its floor, their ratio and the goals with
// a verdict each.
void row(const std::string& figure, double measured, double floor, const std::string& goals)
{
    std::printf("| %s | %.2f ms | %.2f ms | %.2fx | %s |\n", figure.c_str(), measured, floor, measured / floor,
                goals.c_str());
}

std::string verdict(bool met)
{
    return met ? ": met" : ": MISSED";
}

std::string ratioGoal(double measured, double floor, double maxRatio)
{
    return "<= " + std::to_string(maxRatio).substr(0, 3) + "x floor" + verdict(measured <= maxRatio * floor);
}

sf::RenderWindow* gameWindow()
{
    return new sf::RenderWindow(sf::VideoMode(800, 600, 32), "Sunken Finds",
                                sf::Style::Titlebar | sf::Style::Resize | sf::Style::Close);
}

// Exec to first frame: the shim preloaded into the program writes the
// monotonic clock after its first display() returns, then ends it.
double startUp(const char* program, const char* argument, const char* shim)
{
    int ends[2];
    if (pipe(ends) != 0)
        std::exit(1);
    const std::string fd = std::to_string(ends[1]);
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ends[0]);
        setenv("LD_PRELOAD", shim, 1);
        setenv("SUNKEN_FIRST_FRAME_FD", fd.c_str(), 1);
        execl(program, program, argument, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ends[1]);
    char text[32] = {};
    const ssize_t got = read(ends[0], text, sizeof text - 1);
    close(ends[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (got <= 0) {
        std::fprintf(stderr, "sunken-bench: %s showed no frame\n", program);
        std::exit(1);
    }
    return ms(Clock::time_point(std::chrono::nanoseconds(std::atoll(text))) - start);
}

// The floor of start-up and memory: SFML alone showing a picture and a text.
int bare()
{
    const std::unique_ptr<sf::RenderWindow> window(gameWindow());
    sf::Texture picture;
    sf::Font font;
    if (!picture.loadFromFile("../Images/fundo_inicio.bmp") || !font.loadFromFile("../Fonts/PirataOne-Regular.ttf"))
        return 1;
    const sf::Sprite sprite(picture);
    const sf::Text text("Sunken Finds", font, 70);
    for (int frame = 0; frame < 60; ++frame) {
        window->clear();
        window->draw(sprite);
        window->draw(text);
        window->display();
    }
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            std::printf("%.1f\n", std::atof(line.c_str() + 6) * 1024 / 1e6);
    }
    return 0;
}

// The floors of idle CPU: the game's window with its music, its events polled
// at the game's 60 Hz through the game's own sleep. A still screen's floor
// draws nothing. A ticking one draws a whole level picture once a second (the
// background, level 3's fifteen pictures and a text), which a level's
// countdown cannot do without: on a software renderer that frame is much of
// what an idle level costs.
enum class Floor { Still, Ticking };

struct LevelPicture {
    sf::Texture background;
    std::array<sf::Texture, kMaxObjects> textures;
    std::vector<sf::Sprite> sprites;
    sf::Font font;
    sf::Text text;

    bool load()
    {
        bool loaded = background.loadFromFile("../Images/fundo.bmp");
        loaded = font.loadFromFile("../Fonts/PirataOne-Regular.ttf") && loaded;
        sprites.emplace_back(background);
        for (int i = 0; i < levels::kLevel3.objectCount; ++i) {
            const HiddenObject& object = levels::kLevel3.objects[i];
            loaded = textures[i].loadFromFile(object.hiddenImage) && loaded;
            sprites.emplace_back(textures[i]).setPosition(object.x, object.y);
        }
        text = sf::Text("Tempo restante: 60", font, 40);
        text.setPosition(473, 0);
        text.setFillColor(sf::Color::Black);
        return loaded;
    }

    void show(sf::RenderWindow& window) const
    {
        window.clear(sf::Color::White);
        for (const sf::Sprite& sprite : sprites)
            window.draw(sprite);
        window.draw(text);
        window.display();
    }
};

int idleFloor(Floor kind, bool withMusic)
{
    const std::unique_ptr<sf::RenderWindow> window(gameWindow());
    std::optional<GameMusic> music;
    if (withMusic) {
        startMusic(music);  // without an audio device it drops the music
        if (!music || music->getStatus() != sf::Music::Playing) {
            std::fprintf(stderr, "sunken-bench: the idle floor needs an audio device and ../Sounds: the music does not play\n");
            return 1;
        }
    }
    const auto picture = std::make_unique<LevelPicture>();
    if (kind == Floor::Ticking && !picture->load()) {
        std::fprintf(stderr, "sunken-bench: the ticking floor cannot load level 3's pictures\n");
        return 1;
    }
    FramePacer pacer;
    std::optional<sf::Clock> sinceShown;
    while (window->isOpen()) {
        sf::Event event;
        while (window->pollEvent(event)) {
            if (event.type == sf::Event::Closed)
                window->close();
        }
        const bool tickDue = !sinceShown || sinceShown->getElapsedTime() >= sf::seconds(1);
        if (kind == Floor::Ticking && window->isOpen() && tickDue) {
            picture->show(*window);
            sinceShown.emplace();
        }
        pacer.waitForNextPoll();
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--bare")
        return bare();
    if (mode == "--idle-floor" || mode == "--ticking-floor")
        return idleFloor(mode == "--idle-floor" ? Floor::Still : Floor::Ticking,
                         !(argc > 2 && std::string(argv[2]) == "--silent"));
    if (mode == "--startup" && argc == 5) {
        std::vector<double> game, floor;
        for (int run = 0; run < std::atoi(argv[4]); ++run) {
            game.push_back(startUp(argv[2], nullptr, argv[3]));
            floor.push_back(startUp("/proc/self/exe", "--bare", argv[3]));
        }
        row("start-up, exec to first menu frame (floor: SFML alone, one picture and a text)", median(game),
            median(floor), "< 300 ms" + verdict(median(game) < 300));
        return 0;
    }
    const int entryRuns = argc > 1 ? std::atoi(argv[1]) : 15;
    const int frameRuns = argc > 2 ? std::atoi(argv[2]) : 7;

    std::vector<ScreenCase> screens{{"mainmenu", make<mainmenu>}, {"play", make<play>}, {"howto", make<howto>},
                                    {"nivel1", make<nivel1>},     {"nivel2", make<nivel2>}, {"nivel3", make<nivel3>},
                                    {"ganhou", make<ganhou>},     {"perdeu", make<perdeu>}};
    // One window for every screen, as in the game; a warm-up round first
    // (caches, and the list of files each screen loads).
    const std::unique_ptr<sf::RenderWindow> window(gameWindow());
    for (ScreenCase& screen : screens)
        runScreen(screen, *window, Watch::EntryOnly);
    // Rounds over all screens, so that a busy spell of the machine hits them alike.
    for (int run = 0; run < entryRuns; ++run) {
        for (ScreenCase& screen : screens) {
            runScreen(screen, *window, Watch::EntryOnly);
            screen.loadFloor.push_back(loadFloor(screen.loads));
        }
    }
    for (int run = 0; run < frameRuns; ++run) {
        for (ScreenCase& screen : screens)
            runScreen(screen, *window, Watch::Frames);
    }

    for (ScreenCase& screen : screens) {
        if (entryRuns == 0)
            break;
        // The loading is measured against the same loads alone; the whole entry
        // adds the first frame (glyphs, drawing, display), which has no floor of
        // its own, so it is held to what a player notices instead.
        const double entry = median(screen.entry);
        char figure[160];
        std::snprintf(figure, sizeof figure, "loading on entry, %s: %zu files (entry %.1f ms: then drawing %.1f, display %.1f)",
                      screen.name, screen.loads.size(), entry, median(screen.drawing), median(screen.display));
        row(figure, median(screen.loading), median(screen.loadFloor),
            ratioGoal(median(screen.loading), median(screen.loadFloor), 1.3) + "; entry < 50 ms" + verdict(entry < 50));
    }
    for (const ScreenCase& screen : screens) {
        if (frameRuns > 0)
            row(std::string("frame ") + screen.name, median(screen.frame), median(screen.frameFloor),
                ratioGoal(median(screen.frame), median(screen.frameFloor), 1.2));
    }
    return 0;
}
