#include "app/setup_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <functional>

#include "app/app_settings.h"
#include "app/prompts.h"
#include "app/qt_text.h"

namespace cardwise::app {

// A colour shown as the background (and, for the samples, the text colour) of a read-only edit
// box; a click, Space or Enter asks for a new colour. The palette is the field's only record
// of its colours: OK reads them back from it.
class ColorField final : public QLineEdit {
 public:
  ColorField(const char* name, const char* sample, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setText(sample);
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setFixedWidth(fontMetrics().horizontalAdvance("0000") + 16);
  }

  std::function<void()> Clicked;

  QColor Background() const { return palette().color(QPalette::Base); }
  QColor FontColor() const { return palette().color(QPalette::Text); }
  void SetBackground(const QColor& color) { SetRole(QPalette::Base, color); }
  void SetFontColor(const QColor& color) { SetRole(QPalette::Text, color); }

 protected:
  void mousePressEvent(QMouseEvent*) override { Click(); }
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
      Click();
    else
      QLineEdit::keyPressEvent(event);
  }

 private:
  void Click() {
    if (Clicked) Clicked();
  }
  void SetRole(QPalette::ColorRole role, const QColor& color) {
    QPalette colors = palette();
    colors.setColor(role, color);
    setPalette(colors);
  }
};

namespace {

// How a colour field shows its setting.
enum class Shown { Background, TotalBackground, Font };

struct ColorFieldSpec {
  const char* Name;
  const char* Label;
  ColorKey Key;
  Shown As;
  const char* Sample;
  int Row, Column;  // place in the grid of label and field pairs
};

// The colour fields in tab order.
constexpr ColorFieldSpec kColorFields[] = {
    {"Eback", "Background", ColorKey::Back, Shown::Background, "", 0, 0},
    {"Egreen", "Titlerows", ColorKey::Green, Shown::Background, "", 0, 1},
    {"Elen", "&Len", ColorKey::Len, Shown::Background, "", 0, 2},
    {"Etot", "&Tot", ColorKey::Total, Shown::Background, "", 1, 0},
    {"Etm", "<Par", ColorKey::Tot_1, Shown::Font, "34", 1, 1},
    {"Etp", "Par", ColorKey::Tot0, Shown::Font, "36", 1, 2},
    {"Ett", ">Par", ColorKey::Tot1, Shown::Font, "42", 1, 3},
    {"Eeagle", "&Eagle", ColorKey::Score_2, Shown::Background, "", 2, 0},
    {"Ebirdie", "&Birdie", ColorKey::Score_1, Shown::Background, "", 2, 1},
    {"Epar", "&Par", ColorKey::Score0, Shown::Background, "", 2, 2},
    {"Ebogie", "Bo&gie", ColorKey::Score1, Shown::Background, "", 3, 0},
    {"Edouble", "&Double", ColorKey::Score2, Shown::Background, "", 3, 1},
    {"Eother", "&Other", ColorKey::Score3, Shown::Background, "", 3, 2},
};

constexpr char kHelpTopic[] = "SETUP";
constexpr int kCustomColorCount = 16;

ColorValue& ValueOf(ColorKey key) {
  return Settings().ColorValues[static_cast<int>(key)];
}

std::string CustomColorLine(int place, ColorValue value) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06X", value & 0xffffff);
  return "Color" + std::string(1, static_cast<char>('A' + place)) + "=" + digits;
}

// The place (0 to 15) and value of a line "ColorX=BBGGRR"; false for any other line.
bool ParseCustomColor(const std::string& line, int& place, ColorValue& value) {
  if (line.size() < 8 || line.compare(0, 5, "Color") != 0 || line[6] != '=') return false;
  place = std::toupper(static_cast<unsigned char>(line[5])) - 'A';
  if (place < 0 || place >= kCustomColorCount) return false;
  const char* first = line.data() + 7;
  const char* last = line.data() + line.size();
  const auto [end, error] = std::from_chars(first, last, value, 16);
  return error == std::errc() && end == last && value <= 0xffffff;
}

QLabel* BuddyLabel(const char* text, QWidget* buddy) {
  auto* label = new QLabel(text, buddy->parentWidget());
  label->setTextFormat(Qt::PlainText);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TFsetup::TFsetup(QWidget* parent) : QDialog(parent) {
  setObjectName("TFsetup");
  setWindowTitle("Cardwise Setup");
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  CD_ = new QColorDialog(this);
  CD_->setObjectName("CD");
  // Qt's own dialog: it keeps the custom colours that the settings hold.
  CD_->setOption(QColorDialog::DontUseNativeDialog);
  new QVBoxLayout(this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  createColorFields();
  createTextFields();
  createCheckBoxes();
  createHelp();
}

void TFsetup::createColorFields() {
  auto* caption = new QLabel("Set Colors, (click on field to change color)", this);
  layout()->addWidget(caption);
  auto* grid = new QGridLayout;
  for (const ColorFieldSpec& entry : kColorFields) {
    auto* field = new ColorField(entry.Name, entry.Sample, this);
    grid->addWidget(BuddyLabel(entry.Label, field), entry.Row, 2 * entry.Column, Qt::AlignRight);
    grid->addWidget(field, entry.Row, 2 * entry.Column + 1);
    colorFields_.push_back(field);
    if (entry.Key == ColorKey::Total) {
      Etot_ = field;
      field->Clicked = [this] { DoTotColorPick(); };
    } else if (entry.As == Shown::Font) {
      field->Clicked = [this, field] { DoLColorPick(field); };
    } else {
      field->Clicked = [this, field] { DoColorPick(field); };
    }
  }
  auto* reset = new QPushButton("Reset", this);
  reset->setObjectName("Breset");
  reset->setToolTip("Reset to defaults");
  connect(reset, &QPushButton::clicked, this, [this] { BresetClick(); });
  grid->addWidget(reset, 0, 6, 1, 2);
  static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void TFsetup::createTextFields() {
  const struct {
    QLineEdit** Field;
    const char* Name;
    const char* Label;
    const char* Hint;
  } fields[] = {
      {&Erootdir_, "Erootdir", "&Root Dir for web-pages (on your hard drive)", nullptr},
      {&Eheader_, "Eheader", "Standard &header",
       "Filename in Template directory for html-header, see example"},
      {&Efooter_, "Efooter", "Standard &footer",
       "Filename in Template directory for html-footer, see example"},
      {&Eowner_, "Eowner", "E&mail owner", nullptr},
      {&Eauthor_, "Eauthor", "&Author", nullptr},
      {&Epublishto_, "Epublishto", "Publish to",
       "A folder, or user@host:path/ reached with your SSH key; empty: no publishing"},
  };
  auto* form = new QFormLayout;
  for (const auto& entry : fields) {
    *entry.Field = new QLineEdit(this);
    (*entry.Field)->setObjectName(entry.Name);
    if (entry.Hint) (*entry.Field)->setToolTip(entry.Hint);
    form->addRow(BuddyLabel(entry.Label, *entry.Field), *entry.Field);
  }
  CBpublishdelete_ = new QCheckBox("Remove old files on the server", this);
  CBpublishdelete_->setObjectName("CBpublishdelete");
  form->addRow(QString(), CBpublishdelete_);
  Erootdir_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
  static_cast<QVBoxLayout*>(layout())->addLayout(form);
}

void TFsetup::createCheckBoxes() {
  CBcopy_ = new QCheckBox(QStringLiteral("\u00a9 in footer"), this);
  CBcopy_->setObjectName("CBcopy");
  CBicons_ = new QCheckBox("True color icons", this);
  CBicons_->setObjectName("CBicons");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Bok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { BokClick(); });
  auto* row = new QHBoxLayout;
  row->addWidget(CBcopy_);
  row->addWidget(CBicons_);
  row->addStretch();
  row->addWidget(ok);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

// The title bar's help button, where the desktop shows one, and F1.
void TFsetup::createHelp() {
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [] { OpenHelp(kHelpTopic); });
}

bool TFsetup::event(QEvent* event) {
  if (event->type() == QEvent::EnterWhatsThisMode) {
    QWhatsThis::leaveWhatsThisMode();
    OpenHelp(kHelpTopic);
    return true;
  }
  return QDialog::event(event);
}

void TFsetup::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
}

// Coming back from another window of the program is an activation; coming back from the colour
// dialog (or from another program) is not, or a picked colour would be dropped at once.
void TFsetup::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    if (refreshOnActivate_) FormActivate();
    refreshOnActivate_ = false;
    return;
  }
  QWidget* now = QApplication::activeWindow();
  refreshOnActivate_ = now != nullptr;
  for (QWidget* window = now; window != nullptr; window = window->parentWidget())
    if (window == this) refreshOnActivate_ = false;
}

// The icons box follows the settings too: the main window's menu item may have switched them.
void TFsetup::FormActivate() {
  const TSettings& settings = Settings();
  ShowColors();
  Erootdir_->setText(ToQString(settings.HtmlRootDir));
  Eheader_->setText(ToQString(settings.StdHeader));
  Efooter_->setText(ToQString(settings.StdFooter));
  Eowner_->setText(ToQString(settings.EmailOwner));
  Eauthor_->setText(ToQString(settings.Author));
  Epublishto_->setText(ToQString(settings.PublishTo));
  CBpublishdelete_->setChecked(settings.PublishDelete);
  CBcopy_->setChecked(settings.CopyInFooter);
  CBicons_->setChecked(settings.TrueColorIcons);
}

void TFsetup::ShowColors() {
  ColorsFromText(Settings());
  const QColor total = ToQColor(ValueOf(ColorKey::Total));
  for (std::size_t i = 0; i < colorFields_.size(); ++i) {
    const ColorFieldSpec& entry = kColorFields[i];
    const QColor color = ToQColor(ValueOf(entry.Key));
    colorFields_[i]->SetBackground(entry.As == Shown::Font ? total : color);
    if (entry.As == Shown::Font) colorFields_[i]->SetFontColor(color);
  }
}

void TFsetup::TakeColors() {
  for (std::size_t i = 0; i < colorFields_.size(); ++i) {
    const ColorFieldSpec& entry = kColorFields[i];
    const ColorField* field = colorFields_[i];
    ValueOf(entry.Key) =
        FromQColor(entry.As == Shown::Font ? field->FontColor() : field->Background());
  }
  ColorsToText(Settings());
}

bool TFsetup::PickColor(QColor& color) {
  return PickColorWithCustomColors(CD_, color);
}

void TFsetup::DoColorPick(ColorField* field) {
  QColor color = field->Background();
  if (PickColor(color)) field->SetBackground(color);
}

void TFsetup::DoTotColorPick() {
  DoColorPick(Etot_);
  for (std::size_t i = 0; i < colorFields_.size(); ++i)
    if (kColorFields[i].As == Shown::Font) colorFields_[i]->SetBackground(Etot_->Background());
}

void TFsetup::DoLColorPick(ColorField* field) {
  QColor color = field->FontColor();
  if (PickColor(color)) field->SetFontColor(color);
}

void TFsetup::BresetClick() {
  ResetColors(Settings());
  ShowColors();
}

// A folder is taken as typed: it needs its trailing "/", and nothing adds it.
void TFsetup::BokClick() {
  TSettings& settings = Settings();
  TakeColors();
  settings.HtmlRootDir = FromQString(Erootdir_->text());
  settings.StdHeader = FromQString(Eheader_->text());
  settings.StdFooter = FromQString(Efooter_->text());
  settings.EmailOwner = FromQString(Eowner_->text());
  settings.Author = FromQString(Eauthor_->text());
  settings.PublishTo = FromQString(Epublishto_->text());
  settings.PublishDelete = CBpublishdelete_->isChecked();
  settings.CopyInFooter = CBcopy_->isChecked();
  if (CBicons_->isChecked() != settings.TrueColorIcons) {
    settings.TrueColorIcons = CBicons_->isChecked();
    emit IconsSwitched(settings.TrueColorIcons);
  }
  SaveSettingsNow(this);  // cardwise-cli run meanwhile sees them too
  accept();
}

bool PickColorWithCustomColors(QColorDialog* dialog, QColor& color) {
  FillCustomColors(Settings());
  ApplyCustomColors(Settings().CustomColors);
  dialog->setCurrentColor(color);
  const bool chosen = dialog->exec() == QDialog::Accepted;
  Settings().CustomColors = CustomColorLines();
  if (chosen) color = dialog->selectedColor();
  return chosen;
}

void ApplyCustomColors(const std::vector<std::string>& lines) {
  for (int place = 0; place < kCustomColorCount; ++place)
    QColorDialog::setCustomColor(place, Qt::white);
  for (const std::string& line : lines) {
    int place = 0;
    ColorValue value = 0;
    if (ParseCustomColor(line, place, value)) QColorDialog::setCustomColor(place, ToQColor(value));
  }
}

std::vector<std::string> CustomColorLines() {
  std::vector<std::string> lines;
  for (int place = 0; place < kCustomColorCount; ++place)
    lines.push_back(CustomColorLine(place, FromQColor(QColorDialog::customColor(place))));
  return lines;
}

void FillCustomColors(TSettings& settings) {
  if (!settings.CustomColors.empty()) return;
  const struct {
    char Letter;
    ColorKey Key;
  } places[] = {{'A', ColorKey::Score_2}, {'B', ColorKey::Score_1}, {'C', ColorKey::Score0},
                {'D', ColorKey::Score1},  {'E', ColorKey::Score2},  {'F', ColorKey::Score3},
                {'J', ColorKey::Tot_1},   {'H', ColorKey::Tot0},    {'K', ColorKey::Tot1},
                {'N', ColorKey::Back},    {'O', ColorKey::Green},   {'P', ColorKey::Len}};
  for (const auto& place : places)
    settings.CustomColors.push_back(CustomColorLine(place.Letter - 'A', settings.Value(place.Key)));
}

}  // namespace cardwise::app
