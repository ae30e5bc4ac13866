#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

// One JPEG picture decoded with libjpeg, owning libjpeg's decompressor for as
// long as it lives. A damaged or cut-off picture is a std::runtime_error that
// carries libjpeg's reason; libjpeg never ends the process and prints nothing.
class TJpegImage {
 public:
  explicit TJpegImage(const QByteArray &data);
  ~TJpegImage();
  TJpegImage(const TJpegImage &) = delete;
  TJpegImage &operator=(const TJpegImage &) = delete;

  // The picture as RGB; once per object.
  QImage Decode();

  // Reads and decodes a file, a resource (":/pictures/...") as well.
  static QImage Read(const QString &fileName);

 private:
  struct TDecompressor;
  std::unique_ptr<TDecompressor> decompressor_;
};
