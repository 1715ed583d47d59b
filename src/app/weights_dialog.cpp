#include "app/weights_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/prompts.h"
#include "app/qt_text.h"

namespace cardwise::app {

namespace {

constexpr int kColumnWidth = 72;
constexpr int kRowHeight = 18;

}  // namespace

TFtourwt::TFtourwt(QWidget* parent) : QDialog(parent) {
  setObjectName("TFtourwt");
  setWindowTitle("Tour Event Result Weights");
  createWidgets();
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [] { OpenHelp("WEIGHTS"); });
}

void TFtourwt::createWidgets() {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->setObjectName("Buttons");
  SG = new QTableWidget(1, 2);
  SG->setObjectName("SG");
  SG->horizontalHeader()->hide();
  SG->verticalHeader()->hide();
  SG->verticalHeader()->setMinimumSectionSize(1);
  SG->verticalHeader()->setDefaultSectionSize(std::max(kRowHeight, fontMetrics().height() + 4));
  SG->setEditTriggers(QAbstractItemView::AllEditTriggers);
  for (int column = 0; column < 2; ++column)
    SG->setColumnWidth(column, std::max(kColumnWidth, fontMetrics().averageCharWidth() * 12));
  SG->setMinimumWidth(SG->columnWidth(0) * 2 + 30);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buttons);
  layout->addWidget(SG);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TFtourwt::ShowRows(const std::string& eventIDs, const std::string& weights) {
  SG->setRowCount(1);
  auto title = [this](int column, const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    SG->setItem(0, column, cell);
  };
  title(0, "Event");
  title(1, "Weight");
  // Split in full: a long tour keeps the weights of all its events.
  const QStringList ids = ToQString(eventIDs).split(';');
  const QStringList values = ToQString(weights).split(';');
  for (int i = 1; i <= ids.size() && !ids[i - 1].trimmed().isEmpty(); ++i) {
    const QString weight = i <= values.size() ? values[i - 1].trimmed() : QString();
    SG->setRowCount(i + 1);
    auto* event = new QTableWidgetItem(ids[i - 1].trimmed());
    event->setFlags(Qt::ItemIsEnabled);
    SG->setItem(i, 0, event);
    SG->setItem(i, 1, new QTableWidgetItem(weight.isEmpty() ? "1" : weight));
  }
  if (SG->rowCount() > 1) SG->setCurrentCell(1, 1);
}

std::string TFtourwt::TakeWeights() const {
  QStringList weights;
  for (int row = 1; row < SG->rowCount(); ++row)
    weights << SG->item(row, 1)->text().trimmed();
  return FromQString(weights.join(';'));
}

bool TFtourwt::EditWeights(TTour& tour, const std::vector<EventCheck>& checks) {
  TTour checked;
  checked.Events = tour.Events;
  checked.Weights = tour.Weights;
  SetCheckedEvents(checked, checks);
  ShowRows(checked.Events, checked.Weights);
  if (exec() != QDialog::Accepted) return false;
  tour.Events = checked.Events;
  tour.Weights = TakeWeights();
  return true;
}

}  // namespace cardwise::app
