#pragma once

#include <Qt>

namespace app {

// Virtual-key codes the windows' key handlers test.
namespace vk {
constexpr int Enter = 13;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
constexpr int Numpad0 = 96; // keypad 0 to 9 are 96 to 105
constexpr int Numpad1 = 97;
constexpr int Numpad2 = 98;
constexpr int Numpad3 = 99;
constexpr int Numpad4 = 100;
constexpr int Numpad5 = 101;
constexpr int Numpad6 = 102;
constexpr int Numpad7 = 103;
constexpr int Numpad8 = 104;
constexpr int Numpad9 = 105;
constexpr int Multiply = 106; // keypad *
constexpr int Add = 107;      // keypad +
constexpr int Subtract = 109; // keypad -
constexpr int Decimal = 110;  // keypad . (Del with Num Lock on)
constexpr int Divide = 111;   // keypad /
} // namespace vk

// Translates a Qt key event's key and modifiers into a virtual-key code, or
// 0 for a key no window cares about. Only key() and the keypad modifier are
// read: with Num Lock off X11 reports keypad 4 as an arrow key, and that is
// what it is then.
int virtualKey(int key, Qt::KeyboardModifiers modifiers);

} // namespace app
