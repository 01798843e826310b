#include "platform/qt/qt_balloon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QScreen>

namespace qtp {

namespace {
constexpr int kStem = 12;    // height of the stem
constexpr int kStemAt = 20;  // how far from the box's left edge the stem stands
constexpr int kRadius = 6;
constexpr int kPadding = 8;
constexpr int kWidest = 360;  // longer texts wrap
}  // namespace

BalloonTip::BalloonTip(QWidget* parent)
    : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("balloon");
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
}

void BalloonTip::ShowAt(QPoint at, const QString& shown, int ms) {
  QString text = shown;
  text.replace("\r\n", "\n");
  setText(text);
  setMaximumWidth(kWidest);
  setMargin(0);
  const QSize text_size =
      fontMetrics()
          .boundingRect(QRect(0, 0, kWidest - 2 * kPadding, 10000), Qt::TextWordWrap, text)
          .size();
  const QSize box(text_size.width() + 2 * kPadding, text_size.height() + 2 * kPadding);
  const QScreen* screen = QGuiApplication::screenAt(at);
  const QRect room =
      screen ? screen->availableGeometry() : QRect(QPoint(), QSize(1 << 14, 1 << 14));
  stem_on_top_ =
      at.y() + kStem + box.height() <= room.bottom() || at.y() - kStem - box.height() < room.top();
  setContentsMargins(kPadding, kPadding + (stem_on_top_ ? kStem : 0), kPadding,
                     kPadding + (stem_on_top_ ? 0 : kStem));
  const int left =
      std::clamp(at.x() - kStemAt, room.left(), std::max(room.left(), room.right() - box.width()));
  const int top = stem_on_top_ ? at.y() : at.y() - kStem - box.height();
  setGeometry(left, top, box.width(), box.height() + kStem);
  tip_ = at;
  // The window takes the balloon's shape (no compositor needed for the corners and stem).
  QPainterPathStroker border;
  border.setWidth(2);
  const QPainterPath shape = Outline().united(border.createStroke(Outline()));
  setMask(QRegion(shape.toFillPolygon().toPolygon()));
  show();
  raise();
  if (ms > 0) {
    timer_.start(ms);
  } else {
    timer_.stop();
  }
}

QPainterPath BalloonTip::Outline() const {
  const QRectF box = QRectF(rect()).adjusted(0.5, stem_on_top_ ? kStem + 0.5 : 0.5, -0.5,
                                             stem_on_top_ ? -0.5 : -kStem - 0.5);
  const double x = tip_.x() - geometry().x() + 0.5;
  QPainterPath path;
  path.addRoundedRect(box, kRadius, kRadius);
  QPainterPath stem;
  const double base = stem_on_top_ ? box.top() + 1 : box.bottom() - 1;
  stem.moveTo(x, stem_on_top_ ? 0.5 : height() - 0.5);
  stem.lineTo(x + kStem, base);
  stem.lineTo(x + 2, base);
  stem.closeSubpath();
  return path.united(stem);
}

void BalloonTip::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(118, 118, 118), 1));
  painter.setBrush(QColor(255, 255, 225));
  painter.drawPath(Outline());
  QLabel::paintEvent(event);
}

void BalloonTip::mousePressEvent(QMouseEvent*) { hide(); }

BalloonTip* BalloonOf(QWidget* owner) {
  auto* balloon = owner->findChild<BalloonTip*>(QString(), Qt::FindDirectChildrenOnly);
  return balloon ? balloon : new BalloonTip(owner);
}

}  // namespace qtp
