#pragma once

#include "app/formid.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>

namespace mjcalc {

struct AppState;
class Dialogs;
class Form1;

// Every window exists at most once. It is built when first opened and again after it was
// closed; opening an open one only brings it to the front. Windows have no parent, so closing
// one closes no other, and the program ends with its last window.
class WindowCatalogue final : public QObject {
    Q_OBJECT

public:
    WindowCatalogue(AppState& state, Dialogs& dialogs);
    ~WindowCatalogue() override;

    QWidget* open(FormId id);
    [[nodiscard]] QWidget* window(FormId id) const;

private:
    QWidget* create(FormId id);
    Form1* createForm1();

    AppState& state_;
    Dialogs& dialogs_;
    std::array<QPointer<QWidget>, kFormCount> windows_;
};

} // namespace mjcalc
