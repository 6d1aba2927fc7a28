#pragma once
// Rows of a list drawn with an icon of the shared icon list at the left edge and the text
// beside it, as the group lists of the vocational sections and the intermediate-FP
// questionnaire's areas show them.
#include <QImage>
#include <QList>
#include <QStyledItemDelegate>
#include <functional>

namespace rumbelo {

class GroupIconDelegate : public QStyledItemDelegate {
  public:
    // `iconOfRow` gives the icon index for a 1-based row; an index the list lacks draws no
    // icon. The text starts `textLeft` pixels from the left and `textTop` from the top.
    GroupIconDelegate(const QList<QImage>& icons, std::function<int(int)> iconOfRow, int textLeft,
                      int textTop, int rowHeight, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  private:
    const QList<QImage>& icons_;
    std::function<int(int)> iconOfRow_;
    int textLeft_;
    int textTop_;
    int rowHeight_;
};

}  // namespace rumbelo
