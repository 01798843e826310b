#pragma once
// Balloon tips: a rounded box with a stem that points at a place on the screen, above every
// window, shown without taking the focus; it goes when clicked or after a while.
#include <QLabel>
#include <QPainterPath>
#include <QPoint>
#include <QTimer>

namespace qtp {

class BalloonTip : public QLabel {
  Q_OBJECT

 public:
  // A balloon owned by parent (it goes with it), hidden until shown.
  explicit BalloonTip(QWidget* parent);
  // Shows text with the stem's tip at the screen point `at`, below it when there is room;
  // hides again after `ms` milliseconds (0: only when clicked).
  void ShowAt(QPoint at, const QString& text, int ms);
  // The screen point the stem points at while shown.
  QPoint tip() const { return tip_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // The box with its stem, in the balloon's own pixels.
  QPainterPath Outline() const;

  QPoint tip_;
  bool stem_on_top_ = true;
  QTimer timer_;
};

// The widget's balloon (made on first use): the one balloon tip of a box or window.
BalloonTip* BalloonOf(QWidget* owner);

}  // namespace qtp
