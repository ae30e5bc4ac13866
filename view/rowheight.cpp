#include "rowheight.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>

namespace {

class TFixedRowDelegate : public QStyledItemDelegate {
 public:
  TFixedRowDelegate(int height, QObject *parent) : QStyledItemDelegate(parent), height_(height) {}

  QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
  }

 private:
  int height_;
};

}  // namespace

void SetRowHeight(QAbstractItemView &view, int height) { view.setItemDelegate(new TFixedRowDelegate(height, &view)); }
