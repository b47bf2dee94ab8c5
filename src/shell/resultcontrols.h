#pragma once

#include <QObject>

class QAbstractButton;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace modVelmora {

class UpDown;
struct SettingsRecord;

// The controls every calculating window has beside its result, made and named alike in each: the
// copy button, the spinner for the decimals with its count (the stored Number of Decimals), Clear
// and Calculate. A described window places them at its twips; a laid-out one puts them in a row.
class ResultControls : public QObject {
    Q_OBJECT
public:
    // A window that computes as the entries change has no Calculate.
    enum Part { Copy = 1, Decimals = 2, NoCalculate = 4 };
    ResultControls(QWidget* parent, SettingsRecord& record, int parts);

    // nullptr for a part the window has not.
    QAbstractButton* const cmdCopy;
    QLabel* const lblNumberOfDecimals;
    UpDown* const UpDown1;
    QAbstractButton* const cmdClear;
    QAbstractButton* const cmdCalculate;

    // At their places in twips: the spinner beside its count, Clear and Calculate side by side.
    void placeCopy(int left, int top);
    void placeDecimals(int left, int top);
    void placeButtons(int clearLeft, int calculateLeft, int top);
    // The copy button and the decimals at the left, Clear and Calculate at the right.
    QHBoxLayout* row();
    // The spinner shows the stored count; its changes are stored at once.
    void showStoredDecimals();
    void setDecimalsTip(const QString& tip);

private:
    void UpDown1_Change();

    SettingsRecord& record_;
};

}  // namespace modVelmora
