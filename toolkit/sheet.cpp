#include "toolkit/sheet.h"

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

void setControlTextColour(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

void setControlBackground(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    control->setPalette(palette);
}

} // namespace mjcalc
