#pragma once
// Labels that take the mouse: ordinary labels and transparent labels (no paint of their own
// but their caption, over the window's picture).
#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace qtp {

class UnitLabel : public QLabel {
 public:
  // on_mouse(true) on a left press, on_mouse(false) on its release.
  UnitLabel(QWidget* parent, std::function<void(bool)> on_mouse)
      : QLabel(parent), on_mouse_(std::move(on_mouse)) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) on_mouse_(true);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) on_mouse_(false);
  }

 private:
  std::function<void(bool)> on_mouse_;
};

}  // namespace qtp
