#include "shell/resultcontrols.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>

#include "shell/controls.h"
#include "shell/settingsrecord.h"
#include "shell/twips.h"
#include "shell/updown.h"

namespace modVelmora {

namespace {

template <class Control>
Control* named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

}  // namespace

ResultControls::ResultControls(QWidget* parent, SettingsRecord& record, int parts)
    : QObject(parent),
      cmdCopy(parts & Copy ? named(PictureButton(parent, QStringLiteral("clipboard.svg"), QString()), "cmdCopy") : nullptr),
      lblNumberOfDecimals(parts & Decimals ? named(DecimalsLabel(parent), "lblNumberOfDecimals") : nullptr),
      UpDown1(parts & Decimals ? named(new UpDown(parent), "UpDown1") : nullptr),
      cmdClear(named(PictureButton(parent, QStringLiteral("clear.svg"), tr("C&lear")), "cmdClear")),
      cmdCalculate(parts & NoCalculate ? nullptr : named(PictureButton(parent, QStringLiteral("calculate.svg"), tr("&Calculate")), "cmdCalculate")),
      record_(record) {
    if (UpDown1) {
        NameBox(UpDown1, tr("Number of decimal places"));
        DescribeResult(lblNumberOfDecimals, tr("Number of decimal places"));
        connect(UpDown1, &UpDown::valueChanged, this, &ResultControls::UpDown1_Change);
    }
}

void ResultControls::placeCopy(int left, int top) { cmdCopy->setGeometry(TwipRect(left, top, 645, 645)); }

void ResultControls::placeDecimals(int left, int top) {
    lblNumberOfDecimals->setGeometry(TwipRect(left, top, 330, 330));
    UpDown1->setGeometry(TwipRect(left + 315, top, 255, 330));
}

void ResultControls::placeButtons(int clearLeft, int calculateLeft, int top) {
    cmdClear->setGeometry(TwipRect(clearLeft, top, 1170, 750));
    cmdCalculate->setGeometry(TwipRect(calculateLeft, top, 1380, 750));
}

QHBoxLayout* ResultControls::row() {
    auto* row = new QHBoxLayout;
    row->setSpacing(12);
    if (cmdCopy) {
        cmdCopy->setFixedSize(TwipSize(645, 645));
        row->addWidget(cmdCopy, 0, Qt::AlignVCenter);
    }
    if (UpDown1) {
        lblNumberOfDecimals->setFixedSize(TwipSize(330, 330));
        UpDown1->setFixedSize(TwipSize(255, 330));
        auto* decimals = new QHBoxLayout;
        decimals->setSpacing(0);
        decimals->addWidget(lblNumberOfDecimals);
        decimals->addWidget(UpDown1);
        row->addLayout(decimals);
    }
    row->addStretch(1);
    cmdClear->setMinimumSize(TwipSize(1170, 750));
    row->addWidget(cmdClear);
    if (cmdCalculate) {
        cmdCalculate->setMinimumSize(TwipSize(1380, 750));
        row->addWidget(cmdCalculate);
    }
    return row;
}

void ResultControls::showStoredDecimals() {
    UpDown1->setValue(record_.numberOfDecimals);
    UpDown1_Change();
}

void ResultControls::setDecimalsTip(const QString& tip) {
    UpDown1->setToolTip(tip);
    lblNumberOfDecimals->setToolTip(tip);
}

void ResultControls::UpDown1_Change() {
    record_.numberOfDecimals = static_cast<std::uint8_t>(UpDown1->value());
    ShowNumberOfDecimals(lblNumberOfDecimals, UpDown1->value());
}

}  // namespace modVelmora
