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

WeightsDialog::WeightsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("WeightsDialog");
  setWindowTitle("Tour Event Result Weights");
  createWidgets();
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [] { openHelp("WEIGHTS"); });
}

void WeightsDialog::createWidgets() {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->setObjectName("Buttons");
  weightsTable = new QTableWidget(1, 2);
  weightsTable->setObjectName("weightsTable");
  weightsTable->horizontalHeader()->hide();
  weightsTable->verticalHeader()->hide();
  weightsTable->verticalHeader()->setMinimumSectionSize(1);
  weightsTable->verticalHeader()->setDefaultSectionSize(
      std::max(kRowHeight, fontMetrics().height() + 4));
  weightsTable->setEditTriggers(QAbstractItemView::AllEditTriggers);
  for (int column = 0; column < 2; ++column)
    weightsTable->setColumnWidth(column,
                                 std::max(kColumnWidth, fontMetrics().averageCharWidth() * 12));
  weightsTable->setMinimumWidth(weightsTable->columnWidth(0) * 2 + 30);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(buttons);
  layout->addWidget(weightsTable);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void WeightsDialog::showRows(const std::string& eventIDs, const std::string& weights) {
  weightsTable->setRowCount(1);
  auto title = [this](int column, const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    weightsTable->setItem(0, column, cell);
  };
  title(0, "Event");
  title(1, "Weight");
  // Split in full: a long tour keeps the weights of all its events.
  const QStringList ids = toQString(eventIDs).split(';');
  const QStringList values = toQString(weights).split(';');
  for (int i = 1; i <= ids.size() && !ids[i - 1].trimmed().isEmpty(); ++i) {
    const QString weight = i <= values.size() ? values[i - 1].trimmed() : QString();
    weightsTable->setRowCount(i + 1);
    auto* event = new QTableWidgetItem(ids[i - 1].trimmed());
    event->setFlags(Qt::ItemIsEnabled);
    weightsTable->setItem(i, 0, event);
    weightsTable->setItem(i, 1, new QTableWidgetItem(weight.isEmpty() ? "1" : weight));
  }
  if (weightsTable->rowCount() > 1) weightsTable->setCurrentCell(1, 1);
}

std::string WeightsDialog::takeWeights() const {
  QStringList weights;
  for (int row = 1; row < weightsTable->rowCount(); ++row)
    weights << weightsTable->item(row, 1)->text().trimmed();
  return fromQString(weights.join(';'));
}

bool WeightsDialog::editWeights(Tour& tour, const std::vector<EventCheck>& checks) {
  Tour checked;
  checked.Events = tour.Events;
  checked.Weights = tour.Weights;
  SetCheckedEvents(checked, checks);
  showRows(checked.Events, checked.Weights);
  if (exec() != QDialog::Accepted) return false;
  tour.Events = checked.Events;
  tour.Weights = takeWeights();
  return true;
}

}  // namespace cardwise::app
