#pragma once

#include <array>

// Everything that makes one level different from another. The mechanic that
// plays a level (Level) is the same for all three.

constexpr int kMaxObjects = 15;
constexpr int kListSlots = 5;

struct HiddenObject {
    const char* hiddenImage;  // drawn in the scene, and the only thing that can be clicked
    float x, y;               // top-left corner of the hidden picture in the scene
    const char* listImage;    // shown in the list while the object is among the next five
};

// What a left press prints, hit or not.
enum class PressLine {
    Pressed,   // the word "Pressed"
    Position,  // the pointer as x,y
};

struct LevelData {
    int objectCount;     // ids 1 to objectCount, found in that order
    int timeLimit;       // seconds on the countdown at the start
    PressLine pressLine;
    std::array<HiddenObject, kMaxObjects> objects;  // index id - 1
    // The order in which the pictures load (and so the order of any "Error"
    // lines): hidden pictures in this order, then list pictures in this order.
    std::array<int, kMaxObjects> loadOrder;
};
