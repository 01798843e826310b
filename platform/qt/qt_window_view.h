#pragma once
// The top-level widget of one window: the menu bar, the client area with the background
// picture, the units' widgets inside it.
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QWidget>
#include <map>
#include <optional>
#include <string>

#include "common/ui/ui.h"

namespace qtp {

// The client area: where the units sit; paints the window's background picture scaled to it
// and, inside a window view, reports the mouse presses on it that no unit took as the window's
// own.
class ClientArea : public QWidget {
 public:
  ClientArea(QWidget* parent, QPixmap picture);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
};

class WindowView : public QWidget {
 public:
  explicit WindowView(ui::Window& w);
  // True while the model window lives and no program write is being applied: only then do
  // widget signals become user actions.
  bool Live() const;
  bool Dead() const { return dead_; }
  // The model is gone: nothing reaches it any more; the widget hides (and is deleted later).
  void Kill();
  ui::Window& model() { return *model_; }
  ClientArea* client() { return client_; }
  // The height of the menu bar (0 without one).
  int MenuHeight() const;
  // The pop-up menu (a hidden top menu) of that name, or nullptr.
  QMenu* PopupMenu(const std::string& name) const;
  // Brings the window's own property in line with the model (title, geometry, visible).
  void Apply(ui::Prop what);
  // Builds every unit's widget and applies all its properties.
  void BuildUnits();
  // Shows a balloon tip at the screen point; while the window is hidden, right after the
  // window shows (so that the balloon stands above it).
  void ShowBalloon(QPoint at, const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenuBar();
  void AddMenuEntry(QMenu* menu, const ui::MenuDecl& entry);
  QAction* BindMenuAction(QAction* action, const char* name);
  void LayOutClient();

  ui::Window* model_;
  bool dead_ = false;
  std::optional<QPoint> placed_;                       // the model's position last applied
  std::optional<std::pair<QPoint, QString>> balloon_;  // to show when the window shows
  QMenuBar* menu_bar_ = nullptr;
  ClientArea* client_ = nullptr;
  std::map<std::string, QMenu*> popups_;
};

// The view of a live window, or nullptr.
WindowView* ViewOf(const ui::Window& w);

}  // namespace qtp
