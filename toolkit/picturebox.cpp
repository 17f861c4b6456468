#include "toolkit/picturebox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace mjcalc {

PictureBox::PictureBox(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    // The sheet paints a chosen colour itself; the picture keeps the colours it was made with.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            QRect(QPoint(0, 0), picture_.deviceIndependentSize().toSize()).adjusted(-1, -1, 1, 1) &
            rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace mjcalc
