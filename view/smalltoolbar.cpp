#include "smalltoolbar.h"

#include <QProxyStyle>
#include <QStyleOptionToolButton>
#include <QToolBar>

namespace {

constexpr int kIconSize = 16;
constexpr int kButtonSize = 22;
constexpr int kSeparatorWidth = 8;

// The desktop's style with the tool bar measures above; the frame is the
// style's for the bar itself, which is all the room left around the buttons.
class TSmallToolBarStyle : public QProxyStyle {
 public:
  explicit TSmallToolBarStyle(int frame) : frame_(frame) {}

  int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override {
    switch (metric) {
      case PM_ToolBarFrameWidth:
        return frame_;
      case PM_ToolBarItemMargin:
      case PM_ToolBarItemSpacing:
        return 0;
      case PM_ToolBarSeparatorExtent:
        return kSeparatorWidth;
      case PM_ToolBarIconSize:
      case PM_SmallIconSize:
        return kIconSize;
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }

  QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                         const QWidget *widget) const override {
    if (type == CT_ToolButton) return {kButtonSize, kButtonSize};
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  }

 private:
  int frame_;
};

// Styles live as long as the program: widgets only refer to them.
QStyle *SmallToolBarStyle(bool framed) {
  static TSmallToolBarStyle *withFrame = new TSmallToolBarStyle(1);
  static TSmallToolBarStyle *withoutFrame = new TSmallToolBarStyle(0);
  return framed ? withFrame : withoutFrame;
}

}  // namespace

void MakeSmallToolBar(QToolBar &bar, bool framed) {
  QStyle *style = SmallToolBarStyle(framed);
  bar.setIconSize(QSize(kIconSize, kIconSize));
  bar.setStyle(style);
  // A widget's style is its own: the buttons and separators the bar made
  // measure themselves with the desktop's style unless they get this one too.
  for (QWidget *child : bar.findChildren<QWidget *>()) child->setStyle(style);
  bar.adjustSize();
}
