#pragma once

#include "app/formid.h"

#include <QWidget>

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

// A small window that shows one fixed text: the fan table, the definitions, the credits, the
// authors' account and the thank-you note. Each opening shows the text as written again.
class TextWindow final : public QWidget {
public:
    explicit TextWindow(const TextWindowSpec& entry);
};

// The text window for one of Form2, Form4, Form5, Form6 and Form7.
[[nodiscard]] QWidget* createTextWindow(FormId id);

} // namespace mjcalc
