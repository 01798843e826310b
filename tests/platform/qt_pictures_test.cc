// Pictures: JPEG bytes decoded by libjpeg become the pixels the client area paints.
#include "platform/qt/qt_pictures.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "platform/qt/qt_window_view.h"

namespace {

// A width x height JPEG, left half red and right half blue, made by Qt's own writer.
QByteArray RedBlueJpeg(int width, int height) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(Qt::blue);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width / 2; ++x) image.setPixelColor(x, y, Qt::red);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 100);
  return bytes;
}

TEST(QtPicturesTest, ClientAreaPaintsTheDecodedPictureScaled) {
  const QByteArray jpeg = RedBlueJpeg(32, 16);
  if (jpeg.isEmpty()) GTEST_SKIP() << "no JPEG writer in this Qt";
  Picture picture;
  ASSERT_TRUE(DecodeJpeg(reinterpret_cast<const uint8_t*>(jpeg.data()), jpeg.size(), &picture));
  const QImage image = qtp::ToImage(picture);
  ASSERT_EQ(image.size(), QSize(32, 16));

  QWidget top;
  auto* client = new qtp::ClientArea(&top, QPixmap::fromImage(image));
  client->setGeometry(0, 0, 200, 100);
  const QImage shown = client->grab().toImage();
  ASSERT_EQ(shown.size(), QSize(200, 100));
  const QColor left = shown.pixelColor(40, 50), right = shown.pixelColor(160, 50);
  EXPECT_GT(left.red(), 200);
  EXPECT_LT(left.blue(), 60);
  EXPECT_GT(right.blue(), 200);
  EXPECT_LT(right.red(), 60);
}

TEST(QtPicturesTest, MissingPicturesAreNull) {
  EXPECT_TRUE(qtp::ToImage(Picture{}).isNull());
  EXPECT_TRUE(qtp::AssetPixmap("").isNull());
  EXPECT_TRUE(qtp::AssetPixmap("没有这张图.jpg").isNull());
}

}  // namespace
