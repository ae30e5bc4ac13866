#include "jpegimage.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <stdexcept>
#include <string>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error through error_exit, which must not return, and
// C++ exceptions must not cross libjpeg's C frames. So error_exit jumps back
// to the step below that called libjpeg; between the two ends of the jump live
// only C structures and raw pointers, nothing that needs destroying.
struct TErrorManager {
  jpeg_error_mgr base;  // first, so that libjpeg's pointer to it is ours too
  std::jmp_buf jump;
  char reason[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  auto *errors = reinterpret_cast<TErrorManager *>(info->err);
  (*info->err->format_message)(info, errors->reason);
  std::longjmp(errors->jump, 1);
}

// A warning (corrupt data, data cut short) ends the decoding as well: libjpeg
// would paint the missing part grey and carry on.
void WarningIsFatal(j_common_ptr info, int level) {
  if (level < 0) JumpBack(info);
}

// The steps return false when libjpeg gave up; the reason is in errors.reason.
bool Create(jpeg_decompress_struct &info, TErrorManager &errors) {
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpBack;
  errors.base.emit_message = WarningIsFatal;
  if (setjmp(errors.jump)) return false;
  jpeg_create_decompress(&info);
  return true;
}

bool Start(jpeg_decompress_struct &info, TErrorManager &errors, const unsigned char *data, unsigned long size) {
  if (setjmp(errors.jump)) return false;
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  return true;
}

bool ReadRows(jpeg_decompress_struct &info, TErrorManager &errors, unsigned char *bits, qsizetype bytesPerLine) {
  if (setjmp(errors.jump)) return false;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = bits + static_cast<qsizetype>(info.output_scanline) * bytesPerLine;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

struct TJpegImage::TDecompressor {
  jpeg_decompress_struct info{};
  TErrorManager errors{};
  QByteArray data;
  bool created = false;

  ~TDecompressor() {
    if (created) jpeg_destroy_decompress(&info);
  }

  [[noreturn]] void Fail() const {
    throw std::runtime_error(std::string("Картинка JPEG не читается: ") + errors.reason);
  }
};

TJpegImage::TJpegImage(const QByteArray &data) : decompressor_(std::make_unique<TDecompressor>()) {
  decompressor_->data = data;
  decompressor_->created = Create(decompressor_->info, decompressor_->errors);
  if (!decompressor_->created) decompressor_->Fail();
}

TJpegImage::~TJpegImage() = default;

QImage TJpegImage::Decode() {
  TDecompressor &d = *decompressor_;
  const auto *bytes = reinterpret_cast<const unsigned char *>(d.data.constData());
  if (!Start(d.info, d.errors, bytes, static_cast<unsigned long>(d.data.size()))) d.Fail();
  QImage image(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height), QImage::Format_RGB888);
  if (image.isNull()) throw std::runtime_error("Картинка JPEG слишком велика");
  if (!ReadRows(d.info, d.errors, image.bits(), image.bytesPerLine())) d.Fail();
  return image;
}

QImage TJpegImage::Read(const QString &fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    throw std::runtime_error(
        QStringLiteral("Картинка \"%1\" не открывается: %2").arg(fileName, file.errorString()).toStdString());
  }
  try {
    return TJpegImage(file.readAll()).Decode();
  } catch (const std::runtime_error &error) {
    throw std::runtime_error(
        QStringLiteral("%1 (\"%2\")").arg(QString::fromStdString(error.what()), fileName).toStdString());
  }
}
