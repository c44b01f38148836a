// Small pieces the windows share: lowered bevels and hot-tracked lists.
#pragma once

#include <QStyledItemDelegate>
#include <QWidget>

class QAbstractItemView;

// A lowered line or box drawn in the classic shadow and highlight colours; it takes
// no input and lets the window show through.
class Bevel : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Box, TopLine };
    explicit Bevel(Shape shape, QWidget *parent = nullptr);
    Shape shape() const { return shape_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape shape_;
};

// Underlines the row under the mouse.
class HotTrackDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

// The row under the mouse gets the hand cursor and an underline; hovering selects nothing.
void setUpHotTrack(QAbstractItemView *view);
// The selected row keeps its highlight when the list loses the focus.
void keepSelectionVisible(QAbstractItemView *view);
