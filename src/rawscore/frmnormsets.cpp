#include "rawscore/frmnormsets.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/controls.h"
#include "shell/gradient.h"
#include "shell/modvelmora.h"
#include "shell/platform.h"
#include "shell/twips.h"

namespace modVelmora {

namespace {

QPushButton* dialogButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')).remove(QChar(0x2026)));
    button->setFixedSize(TwipSize(1380, 375));
    return button;
}

}  // namespace

frmNormSets::frmNormSets(NormSetStore& store, QWidget* parent) : QDialog(parent), store_(store) {
    setObjectName(QStringLiteral("frmNormSets"));
    setWindowTitle(tr("Manage Norm Sets"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(Arial(8.25));

    // The module windows' backdrop, white to blue.
    auto* client = new TwoToneGradientFill::GradientArea(this);
    TwoToneGradientFill::PaintGradient(client, TwoToneGradientFill::RGB(255, 255, 255), TwoToneGradientFill::RGB(0, 128, 255),
                                       TwoToneGradientFill::kVertical);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(client);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    lstNormSets = new QTreeWidget(client);
    lstNormSets->setObjectName(QStringLiteral("lstNormSets"));
    lstNormSets->setHeaderLabels({tr("Name"), tr("Norms")});
    lstNormSets->setRootIsDecorated(false);
    lstNormSets->setFont(Arial(9.75));
    lstNormSets->setFixedSize(TwipSize(6600, 3600));
    lstNormSets->header()->resizeSection(0, TwipsToPixels(2700));
    lstNormSets->header()->setSectionsMovable(false);
    lstNormSets->setAccessibleName(tr("Norm sets"));
    lstNormSets->installEventFilter(this);
    lblFile = CaptionLabel(client, tr("Kept in %1").arg(QDir::toNativeSeparators(store_.path())), Arial(8.25));
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblFile->setAccessibleName(lblFile->text());

    cmdRename = dialogButton(client, "cmdRename", tr("&Rename…"));
    cmdDelete = dialogButton(client, "cmdDelete", tr("&Delete"));
    cmdImport = dialogButton(client, "cmdImport", tr("&Import…"));
    cmdExport = dialogButton(client, "cmdExport", tr("&Export…"));
    cmdClose = dialogButton(client, "cmdClose", tr("&Close"));
    cmdClose->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdRename, cmdDelete, cmdImport, cmdExport}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* listAndFile = new QVBoxLayout;
    listAndFile->addWidget(lstNormSets);
    listAndFile->addWidget(lblFile);
    auto* layout = new QHBoxLayout(client);
    layout->setContentsMargins(TwipsToPixels(105), TwipsToPixels(105), TwipsToPixels(105), TwipsToPixels(105));
    layout->addLayout(listAndFile);
    layout->addLayout(buttons);
    SetTabOrder({lstNormSets, cmdRename, cmdDelete, cmdImport, cmdExport, cmdClose});

    connect(cmdRename, &QPushButton::clicked, this, &frmNormSets::cmdRename_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmNormSets::cmdDelete_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmNormSets::cmdImport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmNormSets::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstNormSets, &QTreeWidget::itemSelectionChanged, this, [this] {
        for (QPushButton* button : {cmdRename, cmdDelete}) button->setEnabled(!selectedName().isEmpty());
    });

    const QString problem = store_.load();
    showSets(QString());
    lstNormSets->setFocus();
    if (!problem.isEmpty()) platform().showMessage(parent, problem, MessageIcon::Exclamation);
}

void frmNormSets::showSets(const QString& selected, int row) {
    QList<NormSet> sets(store_.sets().begin(), store_.sets().end());
    std::sort(sets.begin(), sets.end(),
              [](const NormSet& a, const NormSet& b) { return a.name.compare(b.name, Qt::CaseInsensitive) < 0; });
    lstNormSets->clear();
    for (const NormSet& set : sets) {
        // Numbers as the user reads them, with their decimal separator.
        QStringList norms{tr("mean %1").arg(ShownNumber(set.mean.toStdString())), tr("SD %1").arg(ShownNumber(set.sd.toStdString()))};
        if (!set.n.isEmpty()) norms << tr("n %1").arg(set.n);
        if (set.reverse) norms << tr("reversed");
        auto* item = new QTreeWidgetItem(lstNormSets, {set.name, norms.join(QStringLiteral(", "))});
        // A long name is cut in its column; the tooltip shows it whole.
        item->setToolTip(0, set.name);
        if (set.name.compare(selected, Qt::CaseInsensitive) == 0) row = lstNormSets->indexOfTopLevelItem(item);
    }
    const int count = lstNormSets->topLevelItemCount();
    if (count > 0) lstNormSets->setCurrentItem(lstNormSets->topLevelItem(std::clamp(row, 0, count - 1)));
    for (QPushButton* button : {cmdRename, cmdDelete}) button->setEnabled(count > 0);
}

QString frmNormSets::selectedName() const {
    const QTreeWidgetItem* item = lstNormSets->currentItem();
    return item && item->isSelected() ? item->text(0) : QString();
}

bool frmNormSets::told(const NormSetsResult& result) {
    if (result.status == NormSetsResult::Saved) return true;
    platform().showMessage(this, result.reason,
                           result.status == NormSetsResult::Refused ? MessageIcon::Information : MessageIcon::Exclamation);
    return false;
}

void frmNormSets::cmdRename_Click() {
    const QString name = selectedName();
    if (name.isEmpty()) return;
    const std::optional<QString> newName = platform().askText(this, tr("Rename Norm Set"), tr("New name for \"%1\":").arg(name), name);
    if (!newName) return;
    showSets(told(store_.rename(name, *newName)) ? newName->trimmed() : name);
}

void frmNormSets::cmdDelete_Click() {
    const QString name = selectedName();
    if (name.isEmpty() || !platform().confirm(this, tr("Delete the norm set \"%1\"?").arg(name))) return;
    // The set below takes the selection.
    const int row = lstNormSets->indexOfTopLevelItem(lstNormSets->currentItem());
    told(store_.remove(name));
    showSets(QString(), row);
}

void frmNormSets::cmdImport_Click() {
    const QString path = platform().askOpenPath(this, tr("Import Norm Sets"), tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    const NormSetsResult result = store_.importFrom(path);
    showSets(selectedName());
    if (told(result))
        platform().showMessage(this, tr("Norm sets imported: %1 added, %2 replaced.").arg(QString::number(result.added),
                                                                                           QString::number(result.replaced)),
                               MessageIcon::Information);
}

void frmNormSets::cmdExport_Click() {
    const QString path = platform().askSavePath(this, tr("Export Norm Sets"), QDir::home().filePath(QStringLiteral("norms.csv")),
                                                tr("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty()) told(store_.exportTo(path));
}

bool frmNormSets::eventFilter(QObject* watched, QEvent* event) {
    if (watched != lstNormSets || event->type() != QEvent::KeyPress) return false;
    // Delete deletes (after asking) and F2 renames, as in a file manager.
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Delete) cmdDelete_Click();
    else if (key == Qt::Key_F2) cmdRename_Click();
    else return false;
    return true;
}

}  // namespace modVelmora
