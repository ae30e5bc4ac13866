#pragma once

#include <QSize>
#include <QString>

class QLabel;

// Puts a JPEG picture into a label that sizes itself to it. A picture that
// cannot be decoded leaves the label at the size the picture should have had,
// showing why; a window without its picture is no reason to stop the program.
void ShowPicture(QLabel *label, const QString &fileName, QSize expectedSize);
