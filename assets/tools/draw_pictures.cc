// Draws rentdesk's pictures into assets/data: the main window's background (949 x 566), the
// login window's background (640 x 431, with the captions and the two buttons that lie under
// the login window's boxes and click areas) and the four 64 x 64 picture-button icons.
// Not part of the build. To draw them again, from the repository root:
//   g++ -std=c++20 -fPIC assets/tools/draw_pictures.cc -o /tmp/draw_pictures \
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/draw_pictures assets/data [folder for PNG copies]
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <cstdio>

namespace {

const char* kSans = "Noto Sans CJK SC";
const char* kSerif = "Noto Serif CJK SC";
const QColor kNavy(24, 58, 104);

// The client areas that the pictures are stretched over: the Qt realisation takes declared
// window sizes as outer sizes (less 16 x 39 for the frame, less the menu bar of the main
// window) and draws a background picture over the whole client area. What must line up with
// units (the login's boxes and buttons, the band behind the main window's buttons) is drawn
// in client coordinates through this stretch.
const QSizeF kLoginClient(640 - 16, 431 - 39);
const QSizeF kMainClient(949 - 16, 566 - 39 - 21);

// Paints in client coordinates on a picture that is stretched over that client area.
void UseClientCoordinates(QPainter& p, QSizeF picture, QSizeF client) {
  p.scale(picture.width() / client.width(), picture.height() / client.height());
}
const QColor kSteel(120, 136, 152);

QFont Font(const char* face, int pixels, int weight = QFont::Normal) {
  QFont f(face);
  f.setPixelSize(pixels);
  f.setWeight(static_cast<QFont::Weight>(weight));
  return f;
}

// A second folder, when given, receives PNG copies for looking at the pictures.
QString g_preview;

bool Save(const QImage& image, const QString& folder, const char* name) {
  bool ok = image.save(folder + "/" + name, "JPG", 92);
  if (!g_preview.isEmpty()) image.save(g_preview + "/" + QString(name).replace(".jpg", ".png"));
  std::printf("%s %s\n", name, ok ? "written" : "FAILED");
  return ok;
}

// A stretch of scaffolding: standards, ledgers and braces in steel grey.
void DrawScaffold(QPainter& p, QRectF area, int bays, int lifts) {
  double bw = area.width() / bays, lh = area.height() / lifts;
  p.setPen(QPen(kSteel, 3));
  for (int i = 0; i <= bays; ++i) {
    double x = area.left() + i * bw;
    p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
  }
  for (int j = 0; j <= lifts; ++j) {
    double y = area.top() + j * lh;
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  p.setPen(QPen(kSteel.lighter(115), 2));
  for (int i = 0; i < bays; ++i) {
    for (int j = 0; j < lifts; ++j) {
      QPointF a(area.left() + i * bw, area.top() + (j + 1) * lh);
      QPointF b(area.left() + (i + 1) * bw, area.top() + j * lh);
      if ((i + j) % 2) std::swap(a.rx(), b.rx());
      p.drawLine(a, b);
    }
  }
}

QImage MainBackground() {
  QImage img(949, 566, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 566);
  sky.setColorAt(0, QColor(250, 252, 255));
  sky.setColorAt(0.35, QColor(232, 241, 250));
  sky.setColorAt(1, QColor(196, 214, 234));
  p.fillRect(img.rect(), sky);
  // The band behind the picture buttons and their captions.
  p.save();
  UseClientCoordinates(p, img.size(), kMainClient);
  p.setPen(QPen(QColor(200, 214, 230), 1));
  p.setBrush(QColor(255, 255, 255, 190));
  p.drawRoundedRect(QRectF(30, 30, 560, 128), 14, 14);
  p.restore();
  // A building under scaffolding, bottom right.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(214, 200, 180));
  p.drawRect(QRectF(640, 250, 220, 316));
  p.setBrush(QColor(150, 176, 204));
  for (int row = 0; row < 6; ++row) {
    for (int col = 0; col < 4; ++col) p.drawRect(QRectF(660 + col * 52, 270 + row * 46, 28, 26));
  }
  DrawScaffold(p, QRectF(620, 230, 260, 336), 5, 7);
  // Ground.
  p.fillRect(QRectF(0, 536, 949, 30), QColor(150, 160, 150));
  // The program's name.
  p.setPen(kNavy);
  p.setFont(Font(kSerif, 52, QFont::Bold));
  p.drawText(QRectF(40, 360, 560, 80), Qt::AlignLeft | Qt::AlignVCenter, "墨川租赁软件");
  p.setPen(QColor(70, 90, 120));
  p.setFont(Font(kSans, 20));
  p.drawText(QRectF(44, 440, 560, 36), Qt::AlignLeft | Qt::AlignVCenter,
             "脚手架租赁  ·  合同  ·  出租回收  ·  租金结算");
  return img;
}

// A button drawn under a click area of the login window.
void DrawButton(QPainter& p, QRectF r, const char* caption, QColor top, QColor bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setPen(QPen(bottom.darker(130), 1));
  p.setBrush(g);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  p.setPen(Qt::white);
  p.setFont(Font(kSans, 14, QFont::Bold));
  p.drawText(r, Qt::AlignCenter, caption);
}

QImage LoginBackground() {
  QImage img(640, 431, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bg(0, 0, 640, 431);
  bg.setColorAt(0, QColor(36, 76, 130));
  bg.setColorAt(1, QColor(16, 40, 76));
  p.fillRect(img.rect(), bg);
  UseClientCoordinates(p, img.size(), kLoginClient);
  DrawScaffold(p, QRectF(34, 150, 210, 210), 4, 5);
  p.setPen(Qt::white);
  p.setFont(Font(kSerif, 40, QFont::Bold));
  p.drawText(QRectF(0, 30, kLoginClient.width(), 60), Qt::AlignCenter, "墨川租赁软件");
  p.setPen(QColor(200, 216, 238));
  p.setFont(Font(kSans, 16));
  p.drawText(QRectF(0, 88, kLoginClient.width(), 28), Qt::AlignCenter,
             "脚手架租赁管理  ·  用户登录");
  // The panel behind the two boxes and the buttons.
  p.setPen(QPen(QColor(180, 196, 220), 1));
  p.setBrush(QColor(244, 247, 252));
  p.drawRoundedRect(QRectF(276, 140, 284, 142), 10, 10);
  p.setPen(kNavy);
  p.setFont(Font(kSans, 15, QFont::Bold));
  p.drawText(QRectF(282, 167, 66, 24), Qt::AlignRight | Qt::AlignVCenter, "用户名");
  p.drawText(QRectF(282, 195, 66, 24), Qt::AlignRight | Qt::AlignVCenter, "密码");
  // Frames where the two edit boxes stand.
  p.setPen(QPen(QColor(150, 166, 190), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(355.5, 166.5, 177, 25));
  p.drawRect(QRectF(355.5, 194.5, 177, 25));
  DrawButton(p, QRectF(360, 240, 72, 24), "登录", QColor(70, 150, 230), QColor(30, 100, 190));
  DrawButton(p, QRectF(442, 239, 72, 24), "退出", QColor(170, 180, 195), QColor(110, 122, 140));
  p.setPen(QColor(160, 180, 210));
  p.setFont(Font(kSans, 12));
  p.drawText(QRectF(0, 360, 608, 24), Qt::AlignRight | Qt::AlignVCenter, "rentdesk 版本 1.0");
  return img;
}

// An icon's tile: a rounded square in the icon's colour, white drawing on it.
QImage IconTile(QColor colour, QPainter& p, QImage& img) {
  img = QImage(64, 64, QImage::Format_RGB32);
  img.fill(QColor(255, 255, 255));
  p.begin(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, 0, 64);
  g.setColorAt(0, colour.lighter(125));
  g.setColorAt(1, colour.darker(115));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
  return img;
}

// A sheet of paper with text lines.
void DrawSheet(QPainter& p, QRectF r) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(r, 3, 3);
  p.setPen(QPen(QColor(150, 160, 175), 2));
  for (double y = r.top() + 10; y < r.bottom() - 6; y += 7)
    p.drawLine(QPointF(r.left() + 6, y), QPointF(r.right() - 6, y));
}

QImage ContractsIcon() {
  QPainter p;
  QImage img;
  IconTile(QColor(40, 110, 190), p, img);
  DrawSheet(p, QRectF(16, 10, 32, 42));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(210, 40, 40));
  p.drawEllipse(QPointF(40, 44), 8, 8);  // the seal
  p.end();
  return img;
}

void DrawArrow(QPainter& p, QPointF from, QPointF to, QColor c) {
  p.setPen(QPen(c, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  QLineF l(to, from);
  QLineF a = l, b = l;
  a.setAngle(l.angle() + 35);
  a.setLength(8);
  b.setAngle(l.angle() - 35);
  b.setLength(8);
  p.drawLine(a);
  p.drawLine(b);
}

QImage DocketEntryIcon() {
  QPainter p;
  QImage img;
  IconTile(QColor(30, 150, 90), p, img);
  DrawSheet(p, QRectF(9, 12, 26, 40));
  DrawArrow(p, QPointF(39, 24), QPointF(57, 24), QColor(255, 210, 60));   // out
  DrawArrow(p, QPointF(57, 42), QPointF(39, 42), QColor(255, 255, 255));  // back in
  p.end();
  return img;
}

QImage DocketEditIcon() {
  QPainter p;
  QImage img;
  IconTile(QColor(220, 130, 30), p, img);
  DrawSheet(p, QRectF(12, 10, 32, 42));
  // A pencil across the sheet.
  p.translate(40, 36);
  p.rotate(-45);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 220, 80));
  p.drawRect(QRectF(-14, -4, 26, 8));
  p.setBrush(QColor(90, 60, 40));
  QPolygonF tip;
  tip << QPointF(-14, -4) << QPointF(-21, 0) << QPointF(-14, 4);
  p.drawPolygon(tip);
  p.setBrush(QColor(230, 120, 120));
  p.drawRect(QRectF(12, -4, 5, 8));
  p.end();
  return img;
}

QImage SettlementIcon() {
  QPainter p;
  QImage img;
  IconTile(QColor(150, 60, 170), p, img);
  QRadialGradient coin(QPointF(28, 26), 24);
  coin.setColorAt(0, QColor(255, 236, 140));
  coin.setColorAt(1, QColor(220, 170, 40));
  p.setPen(QPen(QColor(170, 120, 20), 2));
  p.setBrush(coin);
  p.drawEllipse(QPointF(32, 32), 21, 21);
  p.setPen(QColor(120, 70, 10));
  p.setFont(Font(kSans, 26, QFont::Bold));
  p.drawText(QRectF(11, 11, 42, 42), Qt::AlignCenter, "¥");
  p.end();
  return img;
}

// tallybench's window icon: a stack of pipe ends, seen end on, with a tally mark.
QImage TallybenchIcon() {
  QPainter p;
  QImage img;
  IconTile(QColor(70, 90, 110), p, img);
  const double r = 7.5;
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; i < 3 - row; ++i) {
      QPointF centre(16 + i * 16 + row * 8, 48 - row * 14);
      QRadialGradient steel(centre, r);
      steel.setColorAt(0, QColor(235, 240, 245));
      steel.setColorAt(1, QColor(150, 165, 180));
      p.setPen(QPen(QColor(40, 50, 60), 1.5));
      p.setBrush(steel);
      p.drawEllipse(centre, r, r);
      p.setBrush(QColor(60, 70, 80));
      p.drawEllipse(centre, r * 0.45, r * 0.45);  // the bore
    }
  }
  p.setPen(QPen(QColor(255, 210, 60), 3, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(42 + i * 5, 8), QPointF(42 + i * 5, 20));
  p.drawLine(QPointF(39, 18), QPointF(57, 10));
  p.end();
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "assets/data";
  if (argc > 2) g_preview = QString::fromLocal8Bit(argv[2]);
  bool ok = Save(MainBackground(), folder, "main_background.jpg") &&
            Save(LoginBackground(), folder, "login_background.jpg") &&
            Save(ContractsIcon(), folder, "icon_contracts.jpg") &&
            Save(DocketEntryIcon(), folder, "icon_docket_entry.jpg") &&
            Save(DocketEditIcon(), folder, "icon_docket_edit.jpg") &&
            Save(SettlementIcon(), folder, "icon_settlement.jpg") &&
            Save(TallybenchIcon(), folder, "icon_tallybench.jpg");
  return ok ? 0 : 1;
}
