#pragma once
// The long-phrase list drawn by the form: an icon of the shared icon list at the row's left
// edge and the phrase beside it; marked rows in the highlight colour.
#include <QImage>
#include <QList>
#include <QStyledItemDelegate>

namespace rumbelo {

class PhraseIconDelegate : public QStyledItemDelegate {
  public:
    PhraseIconDelegate(const QList<QImage>& icons, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const QList<QImage>& icons_;
};

}  // namespace rumbelo
