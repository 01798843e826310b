// Operations the realisation carries out: pop-up menus, balloons, sounds.
#include "common/env.h"
#include "common/ui/framework_state.h"

namespace ui {
using namespace internal;

void PopupMenu(WindowRef r, const char* menu_name, int x, int y) {
  if (Window* w = FindWindow(r)) TheBackend().Popup(*w, menu_name ? menu_name : "", x, y);
}

void AddBalloonTip(BalloonTipRef r, int x, int y, const std::string& text, int icon, int option) {
  if (Unit* u = FindUnit(r)) TheBackend().Balloon(*u, x, y, text, icon);
}

void PlaySoundClip(const ByteSet& wav, bool loop) { TheBackend().PlaySound(wav, loop); }

void PlaySoundClip(const std::string& file_name, bool loop) {
  ByteSet wav;
  if (ReadWholeFile(file_name, &wav) && !wav.empty()) PlaySoundClip(wav, loop);
}

}  // namespace ui
