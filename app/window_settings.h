#pragma once

#include <optional>

#include "app/settings_store.h"

namespace selenar {

// Every main-section setting of the program, as read at start and written
// at exit. Values whose features are not built yet are carried through
// unchanged so that nothing stored is lost.
struct WindowSettings {
  std::optional<double> top;   // twips; absent: centred
  std::optional<double> left;  // twips; absent: centred
  bool zam = true;             // "Показывать заметки"
  bool ecliptic = true;        // "Показывать Луну на эклиптике"
  bool customColor = false;    // "Другая" instead of a scheme
  int colorValue = 0;          // the colour holder's colour, 0x00BBGGRR or a system code
  int color = 0;               // scheme 0..8
  int fontSize = 1;            // 0..4
  bool toTray = false;         // "Сворачиваться в значок"
  int category = 0;            // selected description package
};

// The button-face system colour, the colour holder's colour until a scheme sets one.
inline constexpr int kButtonFaceColour = static_cast<int>(0x8000000F);

// Reads in the start-up order; anything absent or unreadable takes its default.
WindowSettings ReadWindowSettings(const SettingsStore& store);

// Writes in the exit order. The position only when the window is in its
// normal state; "Color" only while a scheme (not "Другая") is chosen.
void WriteWindowSettings(SettingsStore& store, const WindowSettings& settings,
                         bool windowInNormalState, bool trayIconShowing);

// Where the window opens, in twips: a stored value below 1 (or none) centres
// the window on that axis, and so does one that would put the window's edge
// past the screen (a screen that has since shrunk, or an edited store).
double OpeningEdge(std::optional<double> stored, double screenExtent, double windowExtent);

}  // namespace selenar
