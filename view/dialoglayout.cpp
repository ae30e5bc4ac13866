#include "dialoglayout.h"

#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <vector>

namespace {

// The least gap after a caption that has to make room, unless the design left less.
constexpr int kGap = 4;
// A control that ends this close to its container's right edge stands at it.
constexpr int kNearEdge = 2;

// A control with the place it was built at. A label built without a size of
// its own is as wide as its text.
struct TPlaced {
  QWidget *widget;
  QRect design;
  bool sizedByText;
};

int RightEdge(const QRect &rect) { return rect.x() + rect.width(); }

bool Changed(const TPlaced &placed) { return placed.widget->geometry() != placed.design; }

bool IsHorizontalLine(const QWidget &widget) {
  const auto *frame = qobject_cast<const QFrame *>(&widget);
  return frame != nullptr && frame->frameShape() == QFrame::HLine;
}

std::vector<TPlaced> Controls(QWidget &container) {
  std::vector<TPlaced> controls;
  for (QObject *child : container.children()) {
    auto *widget = qobject_cast<QWidget *>(child);
    if (widget == nullptr || widget->isWindow() || !widget->isVisibleTo(&container)) continue;
    const bool sizedByText = qobject_cast<QLabel *>(widget) != nullptr && !widget->testAttribute(Qt::WA_Resized);
    if (sizedByText) widget->resize(widget->sizeHint());
    controls.push_back({widget, widget->geometry(), sizedByText});
  }
  return controls;
}

void Resize(QWidget &widget, int width) {
  const QSize size(width, widget.height());
  if (widget.minimumSize() == widget.maximumSize())
    widget.setFixedSize(size);
  else
    widget.resize(size);
}

void MoveRight(QWidget &widget, int left) {
  if (widget.x() < left) widget.move(left, widget.y());
}

// Keeps a control that stands after another in its row clear of it.
bool KeepApart(const TPlaced &before, const TPlaced &after) {
  if (after.design.left() <= before.design.left() || !SameRow(before.design, after.design)) return false;
  const int designed = after.design.left() - RightEdge(before.design);
  const int gap = before.sizedByText ? kGap : std::min(kGap, designed);
  const int left = RightEdge(before.widget->geometry()) + gap;
  if (after.widget->x() >= left) return false;
  MoveRight(*after.widget, left);
  return true;
}

// Controls built at one left edge stay in one column.
bool AlignColumn(const TPlaced &a, const TPlaced &b) {
  if (a.design.left() != b.design.left() || a.widget->x() == b.widget->x()) return false;
  const int left = std::max(a.widget->x(), b.widget->x());
  MoveRight(*a.widget, left);
  MoveRight(*b.widget, left);
  return true;
}

void MakeRoom(std::vector<TPlaced> &controls) {
  for (bool moved = true; moved;) {
    moved = false;
    for (const TPlaced &a : controls)
      for (const TPlaced &b : controls) moved = KeepApart(a, b) || AlignColumn(a, b) || moved;
  }
}

int DesignExtent(const std::vector<TPlaced> &controls) {
  int extent = 0;
  for (const TPlaced &placed : controls)
    if (!placed.sizedByText) extent = std::max(extent, RightEdge(placed.design));
  return extent;
}

// How much wider the container must be: by what its built controls reach
// beyond their design, or as much as a label sized by its text needs.
int Growth(const QWidget &container, const std::vector<TPlaced> &controls) {
  int extent = 0, textExtent = 0;
  for (const TPlaced &placed : controls) {
    int &reach = placed.sizedByText ? textExtent : extent;
    reach = std::max(reach, RightEdge(placed.widget->geometry()));
  }
  return std::max({0, extent - DesignExtent(controls), textExtent + kGap - container.width()});
}

// What stood at the right edge and did not move goes along with the edge, with
// the rest of its row; a line along the container stretches instead.
void FollowRightEdge(std::vector<TPlaced> &controls, int designExtent, int growth) {
  for (const TPlaced &anchor : controls) {
    if (Changed(anchor) || RightEdge(anchor.design) < designExtent - kNearEdge) continue;
    if (IsHorizontalLine(*anchor.widget)) {
      anchor.widget->resize(anchor.widget->width() + growth, anchor.widget->height());
      continue;
    }
    for (const TPlaced &placed : controls)
      if (!Changed(placed) && !IsHorizontalLine(*placed.widget) && SameRow(placed.design, anchor.design))
        placed.widget->move(placed.widget->x() + growth, placed.widget->y());
  }
}

int PushButtonWidth(const QPushButton &button) {
  const QStyle &style = *button.style();
  int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
  if (button.autoDefault() || button.isDefault())
    frame += style.pixelMetric(QStyle::PM_ButtonDefaultIndicator, nullptr, &button);
  return button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width() +
         style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) + 2 * frame;
}

// Check boxes, radio buttons and labels ask for exactly their text and the
// style's margins; a push button asks the style for a minimum width as well,
// which is not what its caption needs.
int CaptionWidth(const QWidget &control) {
  if (const auto *button = qobject_cast<const QPushButton *>(&control))
    return button->text().isEmpty() ? 0 : PushButtonWidth(*button);
  if (const auto *label = qobject_cast<const QLabel *>(&control))
    return label->text().isEmpty() ? 0 : label->sizeHint().width();
  if (qobject_cast<const QCheckBox *>(&control) || qobject_cast<const QRadioButton *>(&control))
    return control.sizeHint().width();
  return 0;
}

void FitContainer(QWidget &container) {
  std::vector<TPlaced> controls = Controls(container);
  for (const TPlaced &placed : controls)
    if (auto *group = qobject_cast<QGroupBox *>(placed.widget)) FitContainer(*group);
  for (const TPlaced &placed : controls)
    if (const int needed = CaptionWidth(*placed.widget); placed.widget->width() < needed)
      Resize(*placed.widget, needed);
  MakeRoom(controls);
  const int growth = Growth(container, controls);
  if (growth == 0) return;
  FollowRightEdge(controls, DesignExtent(controls), growth);
  Resize(container, container.width() + growth);
}

}  // namespace

QFont DesignFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  return font;
}

void SetUpDialog(QDialog &dialog, const QString &caption, QSize clientSize) {
  dialog.setWindowTitle(caption);
  dialog.setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  dialog.setFixedSize(clientSize);
  dialog.setFont(DesignFont());
}

void FitCaptions(QWidget &dialog) { FitContainer(dialog); }
