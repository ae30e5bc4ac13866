#include "vncviewer.h"

#include <QDeadlineTimer>
#include <QThread>
#include <QtEndian>

namespace {

constexpr int kWait = 5000;
constexpr std::uint8_t kNoSecurity = 1;
constexpr std::uint8_t kKeyEvent = 4;
constexpr std::uint8_t kPointerEvent = 5;
constexpr std::uint8_t kLeftButton = 1;

void Append16(QByteArray &bytes, std::uint16_t value) { bytes.append(char(value >> 8)).append(char(value & 0xff)); }

void Append32(QByteArray &bytes, std::uint32_t value) {
  Append16(bytes, std::uint16_t(value >> 16));
  Append16(bytes, std::uint16_t(value & 0xffff));
}

}  // namespace

bool TVncViewer::Connect(quint16 port, int milliseconds) {
  const QDeadlineTimer deadline(milliseconds);
  while (!deadline.hasExpired()) {
    socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (socket_.waitForConnected(kWait)) return Handshake();
    socket_.abort();
    QThread::msleep(100);
  }
  return false;
}

bool TVncViewer::Read(qsizetype count, QByteArray &bytes) {
  bytes.clear();
  while (bytes.size() < count) {
    if (socket_.bytesAvailable() == 0 && !socket_.waitForReadyRead(kWait)) return false;
    bytes += socket_.read(count - bytes.size());
  }
  return true;
}

// Version, no security, a shared session; the server's greeting is read and
// dropped, since only input goes to the program.
bool TVncViewer::Handshake() {
  QByteArray bytes;
  if (!Read(12, bytes) || !bytes.startsWith("RFB 003.")) return false;
  const int minor = bytes.mid(8, 3).toInt();
  const QByteArray version = minor >= 8 ? "RFB 003.008\n" : minor >= 7 ? "RFB 003.007\n" : "RFB 003.003\n";
  socket_.write(version);
  if (minor >= 7) {
    if (!Read(1, bytes) || !Read(quint8(bytes[0]), bytes) || !bytes.contains(char(kNoSecurity))) return false;
    socket_.write(QByteArray(1, char(kNoSecurity)));
    if (minor >= 8 && (!Read(4, bytes) || qFromBigEndian<quint32>(bytes.constData()) != 0)) return false;
  } else if (!Read(4, bytes) || qFromBigEndian<quint32>(bytes.constData()) != kNoSecurity) {
    return false;
  }
  socket_.write(QByteArray(1, 1));
  if (!Read(24, bytes)) return false;
  return Read(qFromBigEndian<quint32>(bytes.constData() + 20), bytes);
}

void TVncViewer::Pointer(QPoint at, std::uint8_t buttons) {
  QByteArray event;
  event.append(char(kPointerEvent)).append(char(buttons));
  Append16(event, std::uint16_t(at.x()));
  Append16(event, std::uint16_t(at.y()));
  socket_.write(event);
  socket_.waitForBytesWritten(kWait);
}

void TVncViewer::Click(QPoint at) {
  Pointer(at, 0);
  Pointer(at, kLeftButton);
  Pointer(at, 0);
}

void TVncViewer::Key(std::uint32_t keysym) {
  for (bool down : {true, false}) {
    QByteArray event;
    event.append(char(kKeyEvent)).append(char(down)).append(2, '\0');
    Append32(event, keysym);
    socket_.write(event);
  }
  socket_.waitForBytesWritten(kWait);
}
