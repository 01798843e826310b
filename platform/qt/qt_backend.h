#pragma once
// The window realisation with Qt widgets: it follows the framework's model (ui::Window,
// ui::Unit) and reports the user's actions through ui::user.
#include <QPointer>
#include <QProcess>
#include <map>
#include <memory>
#include <vector>

#include "common/ui/ui.h"

class QEventLoop;

namespace qtp {

class WindowView;

class QtBackend : public ui::Backend {
 public:
  QtBackend();
  ~QtBackend() override;
  // Builds the window's widgets, each unit at its declared place (hidden until the model shows
  // the window).
  void Created(ui::Window& w) override;
  // Drops the window's widgets; a modal loop waiting on it ends.
  void Destroyed(ui::Window& w) override;
  // Brings the widget of unit (the window when nullptr) in line with the model's property.
  void Changed(ui::Window& w, ui::Unit* unit, ui::Prop what) override;
  // Runs a nested event loop until the window is destroyed.
  void RunModal(ui::Window& w) override;
  // Runs the event loop until no window is left.
  void RunLoop() override;
  void Focus(ui::Unit& u) override;
  // Shows the hidden top menu named as a pop-up at client x, y (the mouse when -1).
  void Popup(ui::Window& w, const std::string& menu_name, int x, int y) override;
  // The client height: the outer height less the frame and the menu bar.
  int ClientHeight(ui::Window& w) override;
  // Shows the tip text as a balloon pointing at screen x, y, above its window (after the
  // window shows, when it is still hidden).
  void Balloon(ui::Unit& tip, int x, int y, const std::string& text, int icon) override;
  // Plays the WAV bytes with the desktop's player, without waiting; empty bytes stop it.
  void PlaySound(const ByteSet& wav, bool loop) override;
  // Prints (print dialog) or previews the grid's pages.
  int PrintGrid(ui::Unit& grid, bool preview) override;

 private:
  void QuitLoopsFor(const ui::Window* w);

  std::map<const ui::Window*, QPointer<WindowView>> views_;
  std::map<const ui::Window*, QEventLoop*> modal_loops_;
  QEventLoop* main_loop_ = nullptr;
  std::unique_ptr<QProcess> player_;
  std::string sound_file_;
};

}  // namespace qtp
