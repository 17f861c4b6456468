#pragma once

#include <QProxyStyle>

namespace mjcalc {

// The given style, which it takes over, except that the icons of buttons that stay hidden until a
// window is made narrow are only drawn once such a button shows.
class ProgramStyle final : public QProxyStyle {
public:
    explicit ProgramStyle(QStyle* base);

    [[nodiscard]] QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                                     const QWidget* widget = nullptr) const override;
};

} // namespace mjcalc
