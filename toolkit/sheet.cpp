#include "toolkit/sheet.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>

namespace mjcalc {

Sheet::Sheet(QSize size, QWidget* parent) : QWidget(parent), size_(size)
{
    resize(size);
}

namespace {

// Labels and boxes fill their own background once the sheet has a colour, so that one left in
// the standard colours stays so on the coloured sheet. Until then the window behind them shows
// the same colour, and filling each one as well would only cost time at start-up.
void fillOwnBackground(QWidget* control)
{
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(true);
}

} // namespace

void Sheet::setBackground(const QColor& colour)
{
    background_ = colour;
    for (QObject* child : children()) {
        if (qobject_cast<QLabel*>(child) || qobject_cast<QCheckBox*>(child))
            fillOwnBackground(static_cast<QWidget*>(child));
    }
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
    fillOwnBackground(control);
}

} // namespace mjcalc
