#include "ExitsPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "Dialogs.h"
#include "ScreensLayer.h"
#include "document/LevelDocument.h"
#include "document/LevelScreens.h"
#include "map/ExitScript.h"
#include "map/HeaderTexts.h"
#include "map/MapTable.h"

namespace zantor {

ExitsPanel::ExitsPanel(LevelScreens* screens, ScreensLayer* layer, QWidget* parent)
    : QWidget(parent), screens_(screens), layer_(layer) {
    auto* title = new QLabel(tr("<b>Exits</b>"), this);
    screen_ = new QLabel(this);
    screen_->setObjectName("lblScreen");
    screen_->setWordWrap(true);  // long in some languages: it wraps rather than widen the page
    exit_ = new QSpinBox(this);
    exit_->setObjectName("spnExit");
    exit_->setRange(0, 255);
    exit_->setToolTip(
        tr("The exit script run when the player walks through a closed edge of "
           "this screen; 0: none"));
    positions_ = new QLabel(this);
    positions_->setObjectName("lblCheckpoint");
    positions_->setWordWrap(true);
    scripts_ = new QListWidget(this);
    scripts_->setObjectName("lstScripts");
    scripts_->setWordWrap(true);
    hex_ = new QLineEdit(this);
    hex_->setObjectName("txtScriptHex");
    hex_->setToolTip(tr("The chosen script's bytes in hex; it keeps its length"));
    apply_ = new QPushButton(tr("Apply"), this);
    apply_->setObjectName("cmdApplyScript");
    pick_ = new QPushButton(tr("Pick Warp Target"), this);
    pick_->setObjectName("cmdPickTarget");
    pick_->setToolTip(tr("Then click the screen the chosen script's warp should lead to"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title, 0, 0, 1, 2);
    layout->addWidget(screen_, 1, 0);
    layout->addWidget(exit_, 1, 1);
    layout->addWidget(positions_, 2, 0, 1, 2);
    layout->addWidget(scripts_, 3, 0, 1, 2);
    layout->addWidget(hex_, 4, 0, 1, 2);
    layout->addWidget(apply_, 5, 0);
    layout->addWidget(pick_, 5, 1);
    layout->setRowStretch(3, 1);

    connect(screens, &LevelScreens::changed, this, &ExitsPanel::refresh);
    connect(layer, &ScreensLayer::chosenScreenChanged, this, &ExitsPanel::showScreen);
    connect(exit_, &QSpinBox::valueChanged, this, [this](int value) {
        if (!refreshing_ && layer_->chosenScreen() >= 0)
            screens_->setExit(layer_->chosenScreen(), value);
    });
    connect(scripts_, &QListWidget::currentRowChanged, this, [this] {
        if (refreshing_)
            return;
        const int number = chosenScript();
        for (const LevelScreens::UsedScript& used : screens_->scripts()) {
            if (used.number == number && used.script)
                hex_->setText(HexBytesText(used.script->bytes));
        }
    });
    connect(apply_, &QPushButton::clicked, this, &ExitsPanel::applyHex);
    connect(hex_, &QLineEdit::returnPressed, this, &ExitsPanel::applyHex);
    connect(pick_, &QPushButton::clicked, this, &ExitsPanel::pickTarget);
    refresh();
}

int ExitsPanel::chosenScript() const {
    const QListWidgetItem* item = scripts_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void ExitsPanel::showScreen() {
    refreshing_ = true;
    const int screen = layer_->chosenScreen();
    const bool valid = screen >= 0 && screens_->hasArrays();
    screen_->setText(valid ? tr("Screen: row %1, column %2")
                                 .arg(screen / kScreenColumns)
                                 .arg(screen % kScreenColumns)
                           : tr("Click a screen to edit its exit"));
    exit_->setEnabled(valid);
    exit_->setValue(valid ? screens_->exit(screen) : 0);
    refreshing_ = false;
}

void ExitsPanel::refresh() {
    refreshing_ = true;
    const int chosen = chosenScript();
    const LevelDocument* level = screens_->level();
    QString text = tr("Camera start: x %1, y %2.")
                       .arg(level->cameraPosition().x())
                       .arg(level->cameraPosition().y());
    if (screens_->hasCheckpoint()) {
        const Checkpoint& c = screens_->checkpoint();
        text += ' ' + tr("Checkpoint: player x %1, y %2; camera x %3, y %4.")
                          .arg(c.player.x())
                          .arg(c.player.y())
                          .arg(c.camera.x())
                          .arg(c.camera.y());
    } else if (level->hasLevel()) {
        text += ' ' + screens_->checkpointProblem();
    }
    if (!screens_->hasArrays() && level->hasLevel())
        text += ' ' + screens_->arraysProblem();
    else if (!screens_->levelsSharingArrays().isEmpty()) {
        QStringList names;
        for (int index : screens_->levelsSharingArrays())
            names << MapNames().value(index);
        text += ' ' + tr("These screens are also those of %1.").arg(names.join(", "));
    }
    positions_->setText(text);

    scripts_->clear();
    for (const LevelScreens::UsedScript& used : screens_->scripts()) {
        QString entry;
        if (used.script) {
            entry = tr("Script %1 at %2: %3")
                        .arg(used.number)
                        .arg(OffsetText(used.script->offset), HexBytesText(used.script->bytes));
            entry += "\n  " + DescribeExitScript(used.script->bytes).join("; ");
        } else {
            entry = tr("Script %1: %2").arg(used.number).arg(used.problem);
        }
        if (used.usedBy.size() > 1)
            entry += "\n  " + tr("Run by %1").arg(used.usedBy.join(", "));
        if (used.modified)
            entry += "  " + tr("(unsaved)");
        auto* item = new QListWidgetItem(entry, scripts_);
        item->setData(Qt::UserRole, used.number);
        if (!used.script)
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
        if (used.number == chosen)
            scripts_->setCurrentItem(item);
    }
    if (!scripts_->currentItem() && scripts_->count() > 0 &&
        (scripts_->item(0)->flags() & Qt::ItemIsEnabled))
        scripts_->setCurrentRow(0);
    hex_->clear();
    for (const LevelScreens::UsedScript& used : screens_->scripts()) {
        if (used.number == chosenScript() && used.script)
            hex_->setText(HexBytesText(used.script->bytes));
    }
    const bool editable = chosenScript() != 0 && !hex_->text().isEmpty();
    hex_->setEnabled(editable);
    apply_->setEnabled(editable);
    pick_->setEnabled(editable);
    refreshing_ = false;
    showScreen();
}

bool ExitsPanel::mayChange(int number) {
    for (const LevelScreens::UsedScript& used : screens_->scripts()) {
        if (used.number != number || used.usedBy.size() <= 1)
            continue;
        return Dialogs::ask(this,
                            tr("Exit script %1 is run by %2. A change changes it for all of "
                               "them. Change it?")
                                .arg(number)
                                .arg(used.usedBy.join(", ")),
                            tr("Shared exit script"),
                            {Dialogs::Answer::Yes, Dialogs::Answer::No}) == Dialogs::Answer::Yes;
    }
    return true;
}

void ExitsPanel::change(int number, const QByteArray& bytes) {
    if (mayChange(number))
        screens_->setScriptBytes(number, bytes);
    refresh();
}

void ExitsPanel::applyHex() {
    const int number = chosenScript();
    if (number == 0)
        return;
    bool ok = false;
    const QByteArray bytes = ParseHexBytes(hex_->text(), &ok);
    for (const LevelScreens::UsedScript& used : screens_->scripts()) {
        if (used.number != number || !used.script)
            continue;
        if (!ok || bytes.size() != used.script->bytes.size()) {
            Dialogs::message(this, tr("Script %1 takes %2 bytes, written as hex (\"40 17 FF\"); "
                                      "it cannot grow or shrink in place.")
                                       .arg(number)
                                       .arg(used.script->bytes.size()));
            return;
        }
        change(number, bytes);
    }
}

void ExitsPanel::pickTarget() {
    const int number = chosenScript();
    layer_->pickScreen([this, number](int column, int row) {
        for (const LevelScreens::UsedScript& used : screens_->scripts()) {
            if (used.number != number || !used.script)
                continue;
            for (const ExitCommand& command : SplitExitScript(used.script->bytes)) {
                if (command.kind == ExitCommand::Kind::Warp) {
                    change(number, WithWarpTarget(used.script->bytes, command.at, column, row));
                    return;
                }
            }
            Dialogs::message(this, tr("Script %1 has no warp to send elsewhere.").arg(number));
        }
    });
}

}  // namespace zantor
