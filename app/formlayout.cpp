#include "app/formlayout.h"

#include "app/picturebox.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace mjcalc {

namespace {

QWidget* createControl(const ControlSpec& spec, QWidget* surface)
{
    const QString caption = QString::fromUtf8(spec.caption ? spec.caption : "");
    switch (spec.kind) {
    case ControlKind::Label:
    case ControlKind::BoldLabel: {
        auto* label = new QLabel(caption, surface);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Labels and boxes paint their own background, so one left in the standard colours
        // stays so on a coloured sheet.
        label->setAutoFillBackground(true);
        if (spec.kind == ControlKind::BoldLabel) {
            // 9.75 point bold MS Sans Serif, or the nearest the machine has: at 96 dots per
            // inch that is 13 pixels; 12 keeps the captions inside their labels.
            QFont font;
            font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                              QStringLiteral("Arial"), QStringLiteral("Helvetica")});
            font.setStyleHint(QFont::SansSerif);
            font.setPixelSize(12);
            font.setBold(true);
            label->setFont(font);
        }
        return label;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(QString::fromLatin1(spec.name), surface);
        box->setBackgroundRole(QPalette::Window);
        box->setAutoFillBackground(true);
        return box;
    }
    case ControlKind::Button:
        return new QPushButton(caption, surface);
    case ControlKind::TextBox:
        return new QLineEdit(caption, surface);
    case ControlKind::Picture:
        return new PictureBox(surface);
    case ControlKind::Line:
        return new LineControl(QPoint(twipsToPixels(spec.left), twipsToPixels(spec.top)),
                               QPoint(twipsToPixels(spec.width), twipsToPixels(spec.height)),
                               surface);
    }
    return nullptr;
}

} // namespace

void buildControls(QWidget* surface, std::span<const ControlSpec> controls)
{
    std::vector<std::pair<int, QWidget*>> focusChain;
    for (const ControlSpec& spec : controls) {
        QWidget* widget = createControl(spec, surface);
        widget->setObjectName(QString::fromLatin1(spec.name));
        if (spec.kind != ControlKind::Line)
            widget->setGeometry(twipsRect(spec.left, spec.top, spec.width, spec.height));
        if (spec.tabIndex > 0)
            focusChain.emplace_back(spec.tabIndex, widget);
    }
    std::sort(focusChain.begin(), focusChain.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        QWidget::setTabOrder(focusChain[i - 1].second, focusChain[i].second);
}

QString rowCaption(std::span<const ControlSpec> controls, const ControlSpec& control)
{
    const ControlSpec* nearest = nullptr;
    for (const ControlSpec& spec : controls) {
        const bool isLabel = spec.kind == ControlKind::Label || spec.kind == ControlKind::BoldLabel;
        if (!isLabel || spec.top != control.top || spec.left >= control.left || !spec.caption ||
            !*spec.caption)
            continue;
        if (!nearest || spec.left > nearest->left)
            nearest = &spec;
    }
    return nearest ? QString::fromUtf8(nearest->caption) : QString();
}

LineControl::LineControl(QPoint from, QPoint to, QWidget* parent)
    : QWidget(parent), from_(from), to_(to)
{
    const QRect bounds = QRect(from, to).normalized();
    setGeometry(bounds.x(), bounds.y(), std::max(1, bounds.width()), std::max(1, bounds.height()));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(from_ - pos(), to_ - pos());
}

} // namespace mjcalc
