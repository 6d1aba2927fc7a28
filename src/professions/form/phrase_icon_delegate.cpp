#include "professions/form/phrase_icon_delegate.h"

#include <QPainter>

#include "professions/core/phrase_step.h"
#include "professions/form/professions_layout.h"

namespace rumbelo {

using namespace professions::layout;

PhraseIconDelegate::PhraseIconDelegate(const QList<QImage>& icons, QObject* parent)
    : QStyledItemDelegate(parent), icons_(icons) {}

void PhraseIconDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const QRect row = option.rect;
    const bool marked = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(row, marked ? palette.highlight() : palette.base());
    const int icon = professions::longPhraseIcon(index.row() + 1);
    if (icon >= 0 && icon < icons_.size()) {
        const QImage& picture = icons_[icon];
        const QSize size = picture.size().boundedTo(QSize(kPhraseTextLeft - 4, row.height() - 2));
        painter->drawImage(
            QRect(QPoint(row.left() + 1, row.top() + (row.height() - size.height()) / 2), size),
            picture);
    }
    painter->setFont(option.font);
    painter->setPen(marked ? palette.highlightedText().color() : palette.text().color());
    const QRect text = row.adjusted(kPhraseTextLeft, kPhraseTextTop, -2, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize PhraseIconDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(kPhraseRowHeight);
    return size;
}

}  // namespace rumbelo
