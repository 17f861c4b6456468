#include "toolkit/formlayout.h"

#include "toolkit/picturebox.h"
#include "toolkit/sheet.h"
#include "toolkit/sheetfont.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QValidator>

#include <algorithm>
#include <cstring>
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
    case ControlKind::Label: {
        auto* label = new QLabel(caption, surface);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (entry.purpose.role == Role::Heading)
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
        if (entry.kind == ControlKind::Label)
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

void FormControls::clear(Trait clearedBy) const
{
    for (const ControlSpec& entry : table_) {
        if (!entry.purpose.has(clearedBy))
            continue;
        if (auto* box = qobject_cast<QCheckBox*>(widget(entry))) {
            // A greyed box is not ticked, and stays as it is.
            if (box->checkState() == Qt::Checked)
                box->setCheckState(Qt::Unchecked);
        } else if (auto* text = qobject_cast<QLineEdit*>(widget(entry))) {
            text->clear();
        }
    }
}

void FormControls::colour(const std::optional<QColor>& text,
                          const std::optional<QColor>& background) const
{
    for (const ControlSpec& entry : table_) {
        if (background && entry.purpose.has(kTakesBackground))
            setControlBackground(widget(entry), *background);
        if (text && entry.purpose.has(kTakesTextColour))
            setControlTextColour(widget(entry), *text);
    }
}

namespace {

// Which of the boxes on its row a box is, as "meld 2 of 4" or "2 of 3"; empty for a box alone on
// its row. The rows come worked out, one for each entry.
QString placeOnRow(std::span<const ControlSpec> table, const std::vector<const char*>& rows,
                   std::size_t index)
{
    int position = 0;
    int count = 0;
    for (std::size_t other = 0; other < table.size(); ++other) {
        if (table[other].kind != ControlKind::CheckBox || table[other].top != table[index].top ||
            std::strcmp(rows[other], rows[index]) != 0)
            continue;
        ++count;
        if (table[other].left <= table[index].left)
            ++position;
    }
    if (count < 2)
        return {};
    // Put together piece by piece: arg() would parse a pattern for each of 71 boxes.
    QString place = QLatin1String(count == 4 ? ", meld " : ", ");
    place += QString::number(position);
    place += QLatin1String(" of ");
    place += QString::number(count);
    return place;
}

} // namespace

void FormControls::describeForScreenReaders() const
{
    std::vector<const char*> rows;
    rows.reserve(table_.size());
    for (const ControlSpec& entry : table_)
        rows.push_back(rowCaption(table_, entry));
    for (std::size_t index = 0; index < table_.size(); ++index) {
        const ControlSpec& entry = table_[index];
        QWidget* control = widgets_[index];
        const QString row = QString::fromUtf8(rows[index]);
        switch (entry.kind) {
        case ControlKind::CheckBox:
            control->setAccessibleName(row + placeOnRow(table_, rows, index));
            break;
        case ControlKind::TextBox:
            control->setAccessibleName(row);
            break;
        case ControlKind::Button:
            control->setAccessibleDescription(row);
            if (entry.purpose.role == Role::Hint)
                control->setAccessibleName(QStringLiteral("Hint"));
            break;
        case ControlKind::Label:
            if (entry.purpose.role == Role::Value)
                control->setAccessibleDescription(row);
            break;
        case ControlKind::Line:
        case ControlKind::Picture:
            break;
        }
    }
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
