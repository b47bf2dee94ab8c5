#pragma once

#include <QWidget>
#include <array>

#include "profile/profilechart.h"
#include "shell/moduleframe.h"
#include "shell/settings.h"

class QAbstractButton;
class QGroupBox;
class QLabel;
class QRadioButton;
class QScrollArea;
class QTableView;

namespace modVelmora {

class ProfileTable;
class ResultControls;
class UpDown;

// The profile on show: its own painting, at the size its rows take.
class ProfileChart : public QWidget {
public:
    explicit ProfileChart(QWidget* parent = nullptr);
    void setModel(const ProfileChartModel& model);
    const ProfileChartModel& model() const { return model_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProfileChartModel model_;
};

// Module 10: a battery's scores at once. Each row of the table is a test's score on its scale,
// computed as it is typed or pasted: its percentile, standard score and label, and with the test's
// reliability its interval on the standard scale; a row that cannot be read tells why. Under the
// table, the profile of the computed rows. The confidence and centre are stored at once.
class frmScoreProfile : public ModuleWindow {
    Q_OBJECT
public:
    explicit frmScoreProfile(Settings& settings);

    // Pasted text put in at the table's current cell, as Ctrl+V does.
    void pasteText(const QString& text);
    void cmdClear_Click();
    void cmdCopy_Click();
    void cmdAddToSession_Click();
    void cmdCopyPicture_Click();
    void cmdSavePicture_Click();
    void optConfidence_Click(int index);
    void optCentre_Click(int index);

protected:
    void createControls(QWidget* client) override;
    void initialise() override;
    bool previewKey(QKeyEvent* key) override;
    void labelsChanged() override;

private:
    QLabel* Label2 = nullptr;
    QGroupBox* fraConfidence = nullptr;
    std::array<QRadioButton*, 2> optConfidence{};
    QGroupBox* fraCentre = nullptr;
    std::array<QRadioButton*, 2> optCentre{};
    QLabel* lblHint = nullptr;
    QTableView* tblProfile = nullptr;
    QScrollArea* scrProfile = nullptr;
    ProfileChart* picProfile = nullptr;
    QAbstractButton* cmdCopy = nullptr;
    QLabel* lblNumberOfDecimals = nullptr;
    UpDown* UpDown1 = nullptr;
    QAbstractButton* cmdClear = nullptr;
    QAbstractButton* cmdAddToSession = nullptr;
    QAbstractButton* cmdCopyPicture = nullptr;
    QAbstractButton* cmdSavePicture = nullptr;
    QLabel* lblAdded = nullptr;
    ResultControls* results_ = nullptr;
    ProfileTable* table_ = nullptr;  // lives with the window object: the entries stay while another module is shown

    // The choices every row is computed with, from the options and the stored settings.
    void computeAgain();
    void showPicture();
    void storeChoices();

    Settings::ProfileChoices choices_;
};

}  // namespace modVelmora
