#include "app/textwindow.h"

#include "toolkit/formlayout.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextLayout>
#include <QtMath>

namespace mjcalc {

namespace {

// The fan table stays editable: players jot their own notes into it while the window is open.
constexpr TextWindowSpec kTextWindows[] = {
    {FormId::Form7, "Form7", "FanCounting", 5850, 4560, 120, 120, 5535, 4215, false,
     ":/texts/fantable.txt"},
    {FormId::Form6, "Form6", "Defenitions", 6450, 3210, 120, 120, 6135, 2895, true,
     ":/texts/definitions.txt"},
    {FormId::Form2, "Form2", "Who made it", 3120, 1635, 120, 120, 2775, 1335, true,
     ":/texts/credits.txt"},
    {FormId::Form5, "Form5", "Why ?", 8730, 3855, 120, 120, 8415, 3495, true, ":/texts/why.txt"},
    {FormId::Form4, "Form4", "Thank us", 3315, 2280, 240, 240, 2775, 1815, true,
     ":/texts/thanks.txt"},
};

constexpr bool wholePixels()
{
    for (const TextWindowSpec& w : kTextWindows) {
        if ((w.width % 15 | w.height % 15 | w.textLeft % 15 | w.textTop % 15 | w.textWidth % 15 |
             w.textHeight % 15) != 0)
            return false;
    }
    return true;
}
static_assert(wholePixels());

QString readText(const char* resource)
{
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// How high the text box lays out one line of this font, which may be a pixel more than the
// font's own height.
int lineHeightOf(const QFont& font)
{
    QTextLayout probe(QStringLiteral("X"), font);
    probe.beginLayout();
    QTextLine line = probe.createLine();
    line.setLeadingIncluded(true);
    probe.endLayout();
    return qCeil(line.height());
}

// A text box whose text may end above the foot of its frame.
class TextBox final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    using QPlainTextEdit::setViewportMargins;

    // Qt 6.4's text box tells an input method that it takes text even when it is read-only, and
    // then inserts what the input method sends: a player typing Chinese or Japanese would write
    // into the credits. Read-only, it tells the input method so.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        if (query == Qt::ImEnabled && isReadOnly())
            return false;
        return QPlainTextEdit::inputMethodQuery(query);
    }
};

// A text box of fixed size that never shows a line cut through at its foot: the margin below the
// text takes up what is left after the last whole line. Its font is a pixel smaller than the
// sheets', so that the fan table and the definitions show every line at once.
QPlainTextEdit* createTextBox(const QRect& geometry, QWidget* parent)
{
    auto* box = new TextBox(parent);
    box->setGeometry(geometry);
    QFont font = box->font();
    font.setPixelSize(font.pixelSize() - 1);
    box->setFont(font);
    constexpr int kMargin = 2;
    box->document()->setDocumentMargin(kMargin);
    const int lineHeight = lineHeightOf(font);
    // Below the last whole line the viewport ends, so the next one is not shown in part.
    const int textHeight = box->height() - 2 * box->frameWidth() - kMargin;
    box->setViewportMargins(0, 0, 0, textHeight % lineHeight);
    // The strip below the text is part of the white box, not a band of window grey.
    box->setBackgroundRole(QPalette::Base);
    box->setAutoFillBackground(true);
    return box;
}

} // namespace

TextWindow::TextWindow(const TextWindowSpec& entry)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QString::fromLatin1(entry.name));
    setWindowTitle(QString::fromLatin1(entry.caption));
    setFixedSize(twipsToPixels(entry.width), twipsToPixels(entry.height));

    QPlainTextEdit* text = createTextBox(
        twipsRect(entry.textLeft, entry.textTop, entry.textWidth, entry.textHeight), this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(readText(entry.resource));
    if (entry.readOnly) {
        text->setReadOnly(true);
        // Read-only still means a caret to move through the text, and selecting to copy.
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    text->setAccessibleName(QString::fromLatin1(entry.caption));
    text->setFocus();
}

QWidget* createTextWindow(FormId id)
{
    for (const TextWindowSpec& entry : kTextWindows) {
        if (entry.id == id)
            return new TextWindow(entry);
    }
    return nullptr;
}

} // namespace mjcalc
