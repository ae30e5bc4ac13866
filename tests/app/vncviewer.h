#pragma once

#include <QByteArray>
#include <QPoint>
#include <QTcpSocket>
#include <cstdint>

// A user at a remote screen: pointer clicks and keys sent over the remote
// framebuffer protocol to a program running on Qt's VNC platform, so that a
// test can drive the real program in a process of its own.
class TVncViewer {
 public:
  // Keeps trying until the program's server answers or the time is up.
  bool Connect(quint16 port, int milliseconds);
  void Click(QPoint at);
  // An X key symbol pressed and released.
  void Key(std::uint32_t keysym);

 private:
  bool Read(qsizetype count, QByteArray &bytes);
  bool Handshake();
  void Pointer(QPoint at, std::uint8_t buttons);

  QTcpSocket socket_;
};
