#include "common/widgets/group_icon_delegate.h"

#include <QApplication>
#include <QPainter>

namespace rumbelo {

GroupIconDelegate::GroupIconDelegate(const QList<QImage>& icons, std::function<int(int)> iconOfRow,
                                     int textLeft, int textTop, int rowHeight, QObject* parent)
    : QStyledItemDelegate(parent),
      icons_(icons),
      iconOfRow_(std::move(iconOfRow)),
      textLeft_(textLeft),
      textTop_(textTop),
      rowHeight_(rowHeight) {}

void GroupIconDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QRect row = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(row, selected ? palette.highlight() : palette.base());
    const int icon = iconOfRow_(index.row() + 1);
    if (icon >= 0 && icon < icons_.size()) {
        const QImage& picture = icons_[icon];
        painter->drawImage(row.left() + 2, row.top() + (row.height() - picture.height()) / 2,
                           picture);
    }
    painter->setFont(option.font);
    painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
    const QRect text = row.adjusted(textLeft_, textTop_, -2, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize GroupIconDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(rowHeight_);
    return size;
}

}  // namespace rumbelo
