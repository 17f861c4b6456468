#include "app/sheet.h"

#include <QPainter>

namespace mjcalc {

Sheet::Sheet(QSize size, QWidget* parent) : QWidget(parent), size_(size)
{
    resize(size);
}

void Sheet::setBackground(const QColor& colour)
{
    background_ = colour;
    update();
}

void Sheet::paintEvent(QPaintEvent* event)
{
    if (!background_)
        return QWidget::paintEvent(event);
    QPainter(this).fillRect(rect(), *background_);
}

} // namespace mjcalc
