#include "Controls.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPainter>

Bevel::Bevel(Shape shape, QWidget *parent) : QWidget(parent), shape_(shape)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Bevel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor shadow(128, 128, 128);
    const QColor highlight(255, 255, 255);
    const int w = width();
    const int h = height();
    if (shape_ == Shape::TopLine) {
        p.setPen(shadow);
        p.drawLine(0, 0, w - 1, 0);
        p.setPen(highlight);
        p.drawLine(0, 1, w - 1, 1);
        return;
    }
    // Shadow on the top and left edges, highlight on the bottom and right: a sunken box.
    p.setPen(shadow);
    p.drawLine(0, 0, w - 2, 0);
    p.drawLine(0, 0, 0, h - 2);
    p.setPen(highlight);
    p.drawLine(w - 1, 0, w - 1, h - 1);
    p.drawLine(0, h - 1, w - 1, h - 1);
}

void HotTrackDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (option->state & QStyle::State_MouseOver)
        option->font.setUnderline(true);
}

namespace {

// Switches the viewport's cursor between the hand over a row and the arrow elsewhere.
class HotTrackCursor : public QObject {
public:
    explicit HotTrackCursor(QAbstractItemView *view) : QObject(view), view_(view) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QWidget *viewport = view_->viewport();
        if (watched != viewport)
            return false;
        switch (event->type()) {
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
            follow(static_cast<QHoverEvent *>(event)->position().toPoint());
            break;
        case QEvent::MouseMove:
            follow(static_cast<QMouseEvent *>(event)->position().toPoint());
            break;
        case QEvent::HoverLeave:
        case QEvent::Leave:
            viewport->unsetCursor();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void follow(const QPoint &pos)
    {
        QWidget *viewport = view_->viewport();
        if (view_->indexAt(pos).isValid())
            viewport->setCursor(Qt::PointingHandCursor);
        else
            viewport->unsetCursor();
    }

    QAbstractItemView *view_;
};

} // namespace

void setUpHotTrack(QAbstractItemView *view)
{
    view->setItemDelegate(new HotTrackDelegate(view));
    view->setMouseTracking(true);
    view->viewport()->setAttribute(Qt::WA_Hover, true);
    view->viewport()->installEventFilter(new HotTrackCursor(view));
}

void keepSelectionVisible(QAbstractItemView *view)
{
    QPalette pal = view->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    }
    view->setPalette(pal);
}
