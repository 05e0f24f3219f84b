#include "app/window_settings.h"

#include <cmath>

namespace selenar {

WindowSettings ReadWindowSettings(const SettingsStore& store) {
  WindowSettings s;
  s.toTray = store.ReadBool("ToTray", s.toTray);
  // A position is absent unless stored; its default depends on the screen.
  if (const double top = store.ReadSingle("Top", NAN); !std::isnan(top)) s.top = top;
  if (const double left = store.ReadSingle("Left", NAN); !std::isnan(left)) s.left = left;
  s.zam = store.ReadBool("Zam", s.zam);
  s.ecliptic = store.ReadBool("Ecliptic", s.ecliptic);
  s.customColor = store.ReadBool("CustomColor", s.customColor);
  s.colorValue = store.ReadInt("ColorValue", kButtonFaceColour);
  s.color = store.ReadInt("Color", s.color);
  if (s.color < 0 || s.color > 8) s.color = 0;
  s.fontSize = store.ReadInt("FontSize", s.fontSize);
  if (s.fontSize < 0 || s.fontSize > 4) s.fontSize = 1;
  s.category = store.ReadInt("Category", s.category);
  return s;
}

void WriteWindowSettings(SettingsStore& store, const WindowSettings& s, bool windowInNormalState,
                         bool trayIconShowing) {
  if (windowInNormalState && s.top && s.left) {
    store.WriteSingle("Top", *s.top);
    store.WriteSingle("Left", *s.left);
  }
  store.WriteBool("InTray", trayIconShowing);
  store.WriteInt("Category", s.category);
  store.WriteBool("Zam", s.zam);
  if (!s.customColor) store.WriteInt("Color", s.color);
  store.WriteBool("CustomColor", s.customColor);
  store.WriteInt("ColorValue", s.colorValue);
  store.WriteInt("FontSize", s.fontSize);
  store.WriteBool("ToTray", s.toTray);
  store.WriteBool("Ecliptic", s.ecliptic);
}

double OpeningEdge(std::optional<double> stored, double screenExtent, double windowExtent) {
  const double centred = screenExtent / 2 - windowExtent / 2;
  const bool onScreen = stored && *stored >= 1 && *stored + windowExtent <= screenExtent;
  return onScreen ? *stored : centred;
}

}  // namespace selenar
