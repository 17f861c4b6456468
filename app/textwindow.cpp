#include "app/textwindow.h"

#include "toolkit/formlayout.h"

#include <QFile>
#include <QPlainTextEdit>

namespace mjcalc {

struct TextWindowSpec {
    FormId id;
    const char* name;
    const char* caption;
    int width; // client area, twips
    int height;
    int textLeft; // Text1, twips
    int textTop;
    int textWidth;
    int textHeight;
    bool readOnly;
    const char* resource;
};

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

QString readText(const char* resource)
{
    QFile file(QString::fromLatin1(resource));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

TextWindow::TextWindow(const TextWindowSpec& entry)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QString::fromLatin1(entry.name));
    setWindowTitle(QString::fromLatin1(entry.caption));
    setFixedSize(twipsToPixels(entry.width), twipsToPixels(entry.height));

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setGeometry(twipsRect(entry.textLeft, entry.textTop, entry.textWidth, entry.textHeight));
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
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
