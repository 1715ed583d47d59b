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

using Switch = DemoSwitch (*)(Database, AppSettings&, const std::string&);

// Runs one switch with the hourglass; false (the user told) when it did not switch. The files
// and web root it switched to are written to the settings at once, so that cardwise-cli run
// beside the app works on the data the app shows.
bool runSwitch(QWidget* parent, Switch run) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const DemoSwitch outcome = run(ProcessDatabase(), Settings(), appPaths().SettingsFile);
  QApplication::restoreOverrideCursor();
  if (!outcome.Outcome) {
    Prompts().showError(parent, "Cardwise", toQString(outcome.Outcome.message()));
    return false;
  }
  saveSettingsNow(parent);
  showLoadProblems(parent, outcome.Reports);
  return true;
}

}  // namespace

DemoDialog::DemoDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("DemoDialog");
  setWindowTitle("Welcome to Cardwise");
  createWidgets();
}

void DemoDialog::createWidgets() {
  auto* panel = new QLabel("Demo Data Files", this);
  panel->setObjectName("topPanel");
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAlignment(Qt::AlignCenter);
  QFont big = panel->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  panel->setFont(big);
  panel->setMinimumHeight(panel->sizeHint().height() * 2);

  auto* buttons = new QDialogButtonBox(this);
  load_ = buttons->addButton("&Load Demo", QDialogButtonBox::ActionRole);
  load_->setObjectName("loadButton");
  unload_ = buttons->addButton("&Unload Demo", QDialogButtonBox::ActionRole);
  unload_->setObjectName("unloadButton");
  buttons->addButton(QDialogButtonBox::Close)->setObjectName("closeButton");
  buttons->addButton(QDialogButtonBox::Help)->setObjectName("helpButton");
  connect(load_, &QPushButton::clicked, this, &DemoDialog::loadDemo);
  connect(unload_, &QPushButton::clicked, this, &DemoDialog::unloadDemo);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this, [] { openHelp("DEMODATA"); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addSpacing(8);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DemoDialog::showEvent(QShowEvent* event) {
  load_->setEnabled(true);
  unload_->setEnabled(true);
  QDialog::showEvent(event);
}

void DemoDialog::loadDemo() {
  if (!runSwitch(this, LoadDemo)) return;
  load_->setEnabled(false);
  accept();
}

void DemoDialog::unloadDemo() {
  if (!runSwitch(this, UnloadDemo)) return;
  unload_->setEnabled(false);
  accept();
}

}  // namespace cardwise::app
