#include "app/demo_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/app_settings.h"
#include "app/problem_list.h"
#include "app/prompts.h"
#include "app/qt_text.h"
#include "results/demo_data.h"

namespace cardwise::app {

namespace {

using Switch = DemoSwitch (*)(TDatabase, TSettings&, const std::string&);

// Runs one switch with the hourglass; false (the user told) when it did not switch. The files
// and web root it switched to are written to the settings at once, so that cardwise-cli run
// beside the app works on the data the app shows.
bool RunSwitch(QWidget* parent, Switch run) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const DemoSwitch outcome = run(ProcessDatabase(), Settings(), AppPaths().SettingsFile);
  QApplication::restoreOverrideCursor();
  if (!outcome.Outcome) {
    Prompts().ShowError(parent, "Cardwise", ToQString(outcome.Outcome.message()));
    return false;
  }
  SaveSettingsNow(parent);
  ShowLoadProblems(parent, outcome.Reports);
  return true;
}

}  // namespace

TFdemo::TFdemo(QWidget* parent) : QDialog(parent) {
  setObjectName("TFdemo");
  setWindowTitle("Welcome to Cardwise");
  createWidgets();
}

void TFdemo::createWidgets() {
  auto* panel = new QLabel("Demo Data Files", this);
  panel->setObjectName("Ptop");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAlignment(Qt::AlignCenter);
  QFont big = panel->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  panel->setFont(big);
  panel->setMinimumHeight(panel->sizeHint().height() * 2);

  auto* buttons = new QDialogButtonBox(this);
  load_ = buttons->addButton("&Load Demo", QDialogButtonBox::ActionRole);
  load_->setObjectName("BBload");
  unload_ = buttons->addButton("&Unload Demo", QDialogButtonBox::ActionRole);
  unload_->setObjectName("BBunload");
  buttons->addButton(QDialogButtonBox::Close)->setObjectName("BBclose");
  buttons->addButton(QDialogButtonBox::Help)->setObjectName("BBhelp");
  connect(load_, &QPushButton::clicked, this, &TFdemo::BBloadClick);
  connect(unload_, &QPushButton::clicked, this, &TFdemo::BBunloadClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [] { OpenHelp("DEMODATA"); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFdemo::showEvent(QShowEvent* event) {
  load_->setEnabled(true);
  unload_->setEnabled(true);
  QDialog::showEvent(event);
}

void TFdemo::BBloadClick() {
  if (!RunSwitch(this, LoadDemo)) return;
  load_->setEnabled(false);
  accept();
}

void TFdemo::BBunloadClick() {
  if (!RunSwitch(this, UnloadDemo)) return;
  unload_->setEnabled(false);
  accept();
}

}  // namespace cardwise::app
