#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "jpegimage.h"

namespace {

QByteArray ResourceBytes(const char *name) {
  QFile file(QString::fromLatin1(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

// The reason the decoder gives, or "" when it decodes.
std::string DecodeError(const QByteArray &data) {
  try {
    TJpegImage(data).Decode();
    return "";
  } catch (const std::runtime_error &error) {
    return error.what();
  }
}

struct PictureCase {
  const char *resource;
  int width, height;
};

TEST(JpegImageTest, TheProgramsPicturesAreProgressiveAndDecodeToTheirSizes) {
  for (const PictureCase &c :
       {PictureCase{":/pictures/splash.jpg", 400, 300}, PictureCase{":/pictures/logo.jpg", 90, 270}}) {
    const QByteArray data = ResourceBytes(c.resource);
    EXPECT_TRUE(data.contains("\xFF\xC2")) << c.resource << ": a progressive frame";
    EXPECT_FALSE(data.contains("\xFF\xC0")) << c.resource << ": no baseline frame";
    const QImage image = TJpegImage::Read(QString::fromLatin1(c.resource));
    EXPECT_EQ(image.size(), QSize(c.width, c.height)) << c.resource;
  }
}

// Both pictures start at the top with the same dark blue of their gradients.
TEST(JpegImageTest, PixelsAreThePicturesColours) {
  for (const char *resource : {":/pictures/splash.jpg", ":/pictures/logo.jpg"}) {
    const QColor corner = TJpegImage::Read(QString::fromLatin1(resource)).pixelColor(1, 1);
    EXPECT_NEAR(corner.red(), 22, 12) << resource;
    EXPECT_NEAR(corner.green(), 44, 12) << resource;
    EXPECT_NEAR(corner.blue(), 92, 12) << resource;
  }
}

QByteArray Damaged(QByteArray data) {
  for (qsizetype i = data.size() / 2; i < data.size() / 2 + 400; ++i) data[i] = static_cast<char>(0xFF - i % 7);
  return data;
}

struct BrokenCase {
  const char *what;
  QByteArray data;
  const char *reason;  // libjpeg's words for it
};

TEST(JpegImageTest, BrokenDataIsAnErrorWithLibjpegsReason) {
  const QByteArray splash = ResourceBytes(":/pictures/splash.jpg");
  for (const BrokenCase &c :
       {BrokenCase{"empty", QByteArray(), "Empty input file"},
        BrokenCase{"a PNG file", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "Not a JPEG file"},
        BrokenCase{"cut after half", splash.left(splash.size() / 2), "Premature end of JPEG file"},
        BrokenCase{"cut in the header", splash.left(100), "Premature end of JPEG file"},
        BrokenCase{"garbage in the scans", Damaged(splash), ""}}) {
    const std::string error = DecodeError(c.data);
    EXPECT_EQ(error.rfind("Картинка JPEG не читается: ", 0), 0u) << c.what << ": " << error;
    EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
  }
  EXPECT_EQ(DecodeError(splash), "") << "decoding goes on working after errors";
}

TEST(JpegImageTest, AMissingFileIsAnErrorNamingIt) {
  try {
    TJpegImage::Read(QStringLiteral(":/pictures/none.jpg"));
    FAIL() << "no error";
  } catch (const std::runtime_error &error) {
    EXPECT_NE(std::string(error.what()).find(":/pictures/none.jpg"), std::string::npos) << error.what();
  }
}

}  // namespace
