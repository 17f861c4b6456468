#include "toolkit/formlayout.h"

#include "toolkit/picturebox.h"
#include "toolkit/sheetfont.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QValidator>

#include <algorithm>
#include <vector>

namespace mjcalc {

namespace {

// Pasted text brings tabs and line ends along. A one-line box shows a line end as a blank but
// keeps it, and a tab can push the text out of sight, so that the box looks empty while it holds
// a number; as plain blanks they are seen, and read as the blanks around a number that they are.
class ControlCharactersAsBlanks final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        for (QChar& c : input) {
            if (c.category() == QChar::Other_Control)
                c = u' ';
        }
        return Acceptable;
    }
};

QWidget* createControl(const ControlSpec& entry, QWidget* surface)
{
    const QString caption = QString::fromUtf8(entry.caption ? entry.caption : "");
    switch (entry.kind) {
    case ControlKind::Label:
    case ControlKind::BoldLabel: {
        auto* label = new QLabel(caption, surface);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (entry.kind == ControlKind::BoldLabel)
            label->setFont(boldSheetFont(surface->font()));
        return label;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(QString::fromLatin1(entry.name), surface);
    case ControlKind::Button:
        return new QPushButton(caption, surface);
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, surface);
        box->setValidator(new ControlCharactersAsBlanks(box));
        return box;
    }
    case ControlKind::Picture:
        return new PictureBox(surface);
    case ControlKind::Line:
        return new LineControl(QPoint(twipsToPixels(entry.left), twipsToPixels(entry.top)),
                               QPoint(twipsToPixels(entry.width), twipsToPixels(entry.height)),
                               surface);
    }
    return nullptr;
}

} // namespace

FormControls buildControls(QWidget* surface, std::span<const ControlSpec> controls)
{
    std::vector<QWidget*> widgets;
    widgets.reserve(controls.size());
    std::vector<std::pair<int, QWidget*>> focusChain;
    for (const ControlSpec& entry : controls) {
        QWidget* widget = createControl(entry, surface);
        widget->setObjectName(QString::fromLatin1(entry.name));
        if (entry.kind != ControlKind::Line)
            widget->setGeometry(twipsRect(entry.left, entry.top, entry.width, entry.height));
        // Captions are written on the board, beneath whatever stands on it: a label that runs
        // into a tile or a box is covered by it, and never paints over it.
        if (entry.kind == ControlKind::Label || entry.kind == ControlKind::BoldLabel)
            widget->lower();
        if (entry.tabIndex > 0)
            focusChain.emplace_back(entry.tabIndex, widget);
        widgets.push_back(widget);
    }
    std::sort(focusChain.begin(), focusChain.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        QWidget::setTabOrder(focusChain[i - 1].second, focusChain[i].second);
    return {controls, std::move(widgets)};
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
