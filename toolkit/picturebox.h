#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace mjcalc {

// A clickable picture shown at its natural size from the top-left corner, on the standard
// background whatever colour the sheet under it has. A checkable button underneath, so that the
// keyboard reaches it with Tab and presses it with Space like any other button, and a screen
// reader hears whether it is selected.
class PictureBox final : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace mjcalc
