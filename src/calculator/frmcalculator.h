#pragma once

#include <array>

#include "calculator/calculatorengine.h"
#include "shell/moduleframe.h"

class QLabel;
class QPushButton;

namespace modVelmora {

// Module 5: a four-function desk calculator with one memory, worked with
// the mouse or the keyboard. Its state outlives the window across module
// switches; the display and the entry start afresh on each load.
class frmCalculator : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmCalculator(Settings& settings);

    // One key's action, as its button or the keyboard gives it.
    void press(CalculatorKey key);

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    bool previewKey(QKeyEvent* event) override;

private:
    QLabel* Label2 = nullptr;
    QLabel* Readout = nullptr;
    QLabel* lblMemoryValue = nullptr;
    QPushButton* cmdBackSpace = nullptr;
    QPushButton* CancelEntry = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* cmdMemClear = nullptr;
    QPushButton* cmdMemRecall = nullptr;
    QPushButton* cmdMemStore = nullptr;
    QPushButton* cmdMemPlus = nullptr;
    std::array<QPushButton*, 10> Number{};
    QPushButton* cmdPlusMinus = nullptr;
    QPushButton* Decimal = nullptr;
    std::array<QPushButton*, 5> Operator{};  // "/", "+", "X", "-", "="
    QPushButton* cmdSquareRoot = nullptr;
    QPushButton* Percent = nullptr;
    QPushButton* cmdOneOverX = nullptr;

    QPushButton* key(QWidget* client, const char* name, const QString& caption, CalculatorKey action, int left,
                     int top, const QColor& colour);
    void showState();

    CalculatorEngine engine_;
};

}  // namespace modVelmora
