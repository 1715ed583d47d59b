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
  QColor fontColor() const { return palette().color(QPalette::Text); }
  void SetBackground(const QColor& color) { setRole(QPalette::Base, color); }
  void setFontColor(const QColor& color) { setRole(QPalette::Text, color); }

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
  void setRole(QPalette::ColorRole role, const QColor& color) {
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
    {"backgroundColorEdit", "Background", ColorKey::Back, Shown::Background, "", 0, 0},
    {"titleRowColorEdit", "Titlerows", ColorKey::Green, Shown::Background, "", 0, 1},
    {"lengthColorEdit", "&Len", ColorKey::Len, Shown::Background, "", 0, 2},
    {"totalColorEdit", "&Tot", ColorKey::Total, Shown::Background, "", 1, 0},
    {"underParColorEdit", "<Par", ColorKey::Tot_1, Shown::Font, "34", 1, 1},
    {"parTotalColorEdit", "Par", ColorKey::Tot0, Shown::Font, "36", 1, 2},
    {"overParColorEdit", ">Par", ColorKey::Tot1, Shown::Font, "42", 1, 3},
    {"eagleColorEdit", "&Eagle", ColorKey::Score_2, Shown::Background, "", 2, 0},
    {"birdieColorEdit", "&Birdie", ColorKey::Score_1, Shown::Background, "", 2, 1},
    {"parColorEdit", "&Par", ColorKey::Score0, Shown::Background, "", 2, 2},
    {"bogeyColorEdit", "Bo&gie", ColorKey::Score1, Shown::Background, "", 3, 0},
    {"doubleBogeyColorEdit", "&Double", ColorKey::Score2, Shown::Background, "", 3, 1},
    {"otherColorEdit", "&Other", ColorKey::Score3, Shown::Background, "", 3, 2},
};

constexpr char kHelpTopic[] = "SETUP";
constexpr int kCustomColorCount = 16;

ColorValue& ValueOf(ColorKey key) {
  return Settings().ColorValues[static_cast<int>(key)];
}

std::string customColorLine(int place, ColorValue value) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06X", value & 0xffffff);
  return "Color" + std::string(1, static_cast<char>('A' + place)) + "=" + digits;
}

// The place (0 to 15) and value of a line "ColorX=BBGGRR"; false for any other line.
bool parseCustomColor(const std::string& line, int& place, ColorValue& value) {
  if (line.size() < 8 || line.compare(0, 5, "Color") != 0 || line[6] != '=') return false;
  place = std::toupper(static_cast<unsigned char>(line[5])) - 'A';
  if (place < 0 || place >= kCustomColorCount) return false;
  const char* first = line.data() + 7;
  const char* last = line.data() + line.size();
  const auto [end, error] = std::from_chars(first, last, value, 16);
  return error == std::errc() && end == last && value <= 0xffffff;
}

QLabel* buddyLabel(const char* text, QWidget* buddy) {
  auto* label = new QLabel(text, buddy->parentWidget());
  label->setTextFormat(Qt::PlainText);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

SetupDialog::SetupDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("SetupDialog");
  setWindowTitle("Cardwise Setup");
  setWindowFlag(Qt::WindowContextHelpButtonHint, true);
  colorDialog_ = new QColorDialog(this);
  colorDialog_->setObjectName("colorDialog");
  // Qt's own dialog: it keeps the custom colours that the settings hold.
  colorDialog_->setOption(QColorDialog::DontUseNativeDialog);
  new QVBoxLayout(this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  createColorFields();
  createTextFields();
  createCheckBoxes();
  createHelp();
}

void SetupDialog::createColorFields() {
  auto* caption = new QLabel("Set Colors, (click on field to change color)", this);
  layout()->addWidget(caption);
  auto* grid = new QGridLayout;
  for (const ColorFieldSpec& entry : kColorFields) {
    auto* field = new ColorField(entry.Name, entry.Sample, this);
    grid->addWidget(buddyLabel(entry.Label, field), entry.Row, 2 * entry.Column, Qt::AlignRight);
    grid->addWidget(field, entry.Row, 2 * entry.Column + 1);
    colorFields_.push_back(field);
    if (entry.Key == ColorKey::Total) {
      totalColorEdit_ = field;
      field->Clicked = [this] { pickTotalColor(); };
    } else if (entry.As == Shown::Font) {
      field->Clicked = [this, field] { pickLengthColor(field); };
    } else {
      field->Clicked = [this, field] { pickFieldColor(field); };
    }
  }
  auto* reset = new QPushButton("Reset", this);
  reset->setObjectName("resetButton");
  reset->setToolTip("Reset to defaults");
  connect(reset, &QPushButton::clicked, this, [this] { resetColors(); });
  grid->addWidget(reset, 0, 6, 1, 2);
  static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void SetupDialog::createTextFields() {
  const struct {
    QLineEdit** Field;
    const char* Name;
    const char* Label;
    const char* Hint;
  } fields[] = {
      {&rootDirEdit_, "rootDirEdit", "&Root Dir for web-pages (on your hard drive)", nullptr},
      {&headerEdit_, "headerEdit", "Standard &header",
       "Filename in Template directory for html-header, see example"},
      {&footerEdit_, "footerEdit", "Standard &footer",
       "Filename in Template directory for html-footer, see example"},
      {&ownerEdit_, "ownerEdit", "E&mail owner", nullptr},
      {&authorEdit_, "authorEdit", "&Author", nullptr},
      {&publishToEdit_, "publishToEdit", "Publish to",
       "A folder, or user@host:path/ reached with your SSH key; empty: no publishing"},
  };
  auto* form = new QFormLayout;
  for (const auto& entry : fields) {
    *entry.Field = new QLineEdit(this);
    (*entry.Field)->setObjectName(entry.Name);
    if (entry.Hint) (*entry.Field)->setToolTip(entry.Hint);
    form->addRow(buddyLabel(entry.Label, *entry.Field), *entry.Field);
  }
  publishDeleteBox_ = new QCheckBox("Remove old files on the server", this);
  publishDeleteBox_->setObjectName("publishDeleteBox");
  form->addRow(QString(), publishDeleteBox_);
  rootDirEdit_->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
  static_cast<QVBoxLayout*>(layout())->addLayout(form);
}

void SetupDialog::createCheckBoxes() {
  copyFilesBox_ = new QCheckBox(QStringLiteral("\u00a9 in footer"), this);
  copyFilesBox_->setObjectName("copyFilesBox");
  trueColorIconsBox_ = new QCheckBox("True color icons", this);
  trueColorIconsBox_->setObjectName("trueColorIconsBox");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("okButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { saveAndClose(); });
  auto* row = new QHBoxLayout;
  row->addWidget(copyFilesBox_);
  row->addWidget(trueColorIconsBox_);
  row->addStretch();
  row->addWidget(ok);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

// The title bar's help button, where the desktop shows one, and F1.
void SetupDialog::createHelp() {
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, [] { openHelp(kHelpTopic); });
}

bool SetupDialog::event(QEvent* event) {
  if (event->type() == QEvent::EnterWhatsThisMode) {
    QWhatsThis::leaveWhatsThisMode();
    openHelp(kHelpTopic);
    return true;
  }
  return QDialog::event(event);
}

void SetupDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  activate();
}

// Coming back from another window of the program is an activation; coming back from the colour
// dialog (or from another program) is not, or a picked colour would be dropped at once.
void SetupDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    if (refreshOnActivate_) activate();
    refreshOnActivate_ = false;
    return;
  }
  QWidget* now = QApplication::activeWindow();
  refreshOnActivate_ = now != nullptr;
  for (QWidget* window = now; window != nullptr; window = window->parentWidget())
    if (window == this) refreshOnActivate_ = false;
}

// The icons box follows the settings too: the main window's menu item may have switched them.
void SetupDialog::activate() {
  const AppSettings& settings = Settings();
  showColors();
  rootDirEdit_->setText(toQString(settings.HtmlRootDir));
  headerEdit_->setText(toQString(settings.StdHeader));
  footerEdit_->setText(toQString(settings.StdFooter));
  ownerEdit_->setText(toQString(settings.EmailOwner));
  authorEdit_->setText(toQString(settings.Author));
  publishToEdit_->setText(toQString(settings.PublishTo));
  publishDeleteBox_->setChecked(settings.PublishDelete);
  copyFilesBox_->setChecked(settings.CopyInFooter);
  trueColorIconsBox_->setChecked(settings.TrueColorIcons);
}

void SetupDialog::showColors() {
  ColorsFromText(Settings());
  const QColor total = toQColor(ValueOf(ColorKey::Total));
  for (std::size_t i = 0; i < colorFields_.size(); ++i) {
    const ColorFieldSpec& entry = kColorFields[i];
    const QColor color = toQColor(ValueOf(entry.Key));
    colorFields_[i]->SetBackground(entry.As == Shown::Font ? total : color);
    if (entry.As == Shown::Font) colorFields_[i]->setFontColor(color);
  }
}

void SetupDialog::takeColors() {
  for (std::size_t i = 0; i < colorFields_.size(); ++i) {
    const ColorFieldSpec& entry = kColorFields[i];
    const ColorField* field = colorFields_[i];
    ValueOf(entry.Key) =
        fromQColor(entry.As == Shown::Font ? field->fontColor() : field->Background());
  }
  ColorsToText(Settings());
}

bool SetupDialog::pickColor(QColor& color) {
  return pickColorWithCustomColors(colorDialog_, color);
}

void SetupDialog::pickFieldColor(ColorField* field) {
  QColor color = field->Background();
  if (pickColor(color)) field->SetBackground(color);
}

void SetupDialog::pickTotalColor() {
  pickFieldColor(totalColorEdit_);
  for (std::size_t i = 0; i < colorFields_.size(); ++i)
    if (kColorFields[i].As == Shown::Font)
      colorFields_[i]->SetBackground(totalColorEdit_->Background());
}

void SetupDialog::pickLengthColor(ColorField* field) {
  QColor color = field->fontColor();
  if (pickColor(color)) field->setFontColor(color);
}

void SetupDialog::resetColors() {
  ResetColors(Settings());
  showColors();
}

// A folder is taken as typed: it needs its trailing "/", and nothing adds it.
void SetupDialog::saveAndClose() {
  AppSettings& settings = Settings();
  takeColors();
  settings.HtmlRootDir = fromQString(rootDirEdit_->text());
  settings.StdHeader = fromQString(headerEdit_->text());
  settings.StdFooter = fromQString(footerEdit_->text());
  settings.EmailOwner = fromQString(ownerEdit_->text());
  settings.Author = fromQString(authorEdit_->text());
  settings.PublishTo = fromQString(publishToEdit_->text());
  settings.PublishDelete = publishDeleteBox_->isChecked();
  settings.CopyInFooter = copyFilesBox_->isChecked();
  if (trueColorIconsBox_->isChecked() != settings.TrueColorIcons) {
    settings.TrueColorIcons = trueColorIconsBox_->isChecked();
    emit iconsSwitched(settings.TrueColorIcons);
  }
  saveSettingsNow(this);  // cardwise-cli run meanwhile sees them too
  accept();
}

bool pickColorWithCustomColors(QColorDialog* dialog, QColor& color) {
  fillCustomColors(Settings());
  applyCustomColors(Settings().CustomColors);
  dialog->setCurrentColor(color);
  const bool chosen = dialog->exec() == QDialog::Accepted;
  Settings().CustomColors = customColorLines();
  if (chosen) color = dialog->selectedColor();
  return chosen;
}

void applyCustomColors(const std::vector<std::string>& lines) {
  for (int place = 0; place < kCustomColorCount; ++place)
    QColorDialog::setCustomColor(place, Qt::white);
  for (const std::string& line : lines) {
    int place = 0;
    ColorValue value = 0;
    if (parseCustomColor(line, place, value)) QColorDialog::setCustomColor(place, toQColor(value));
  }
}

std::vector<std::string> customColorLines() {
  std::vector<std::string> lines;
  for (int place = 0; place < kCustomColorCount; ++place)
    lines.push_back(customColorLine(place, fromQColor(QColorDialog::customColor(place))));
  return lines;
}

void fillCustomColors(AppSettings& settings) {
  if (!settings.CustomColors.empty()) return;
  const struct {
    char Letter;
    ColorKey Key;
  } places[] = {{'A', ColorKey::Score_2}, {'B', ColorKey::Score_1}, {'C', ColorKey::Score0},
                {'D', ColorKey::Score1},  {'E', ColorKey::Score2},  {'F', ColorKey::Score3},
                {'J', ColorKey::Tot_1},   {'H', ColorKey::Tot0},    {'K', ColorKey::Tot1},
                {'N', ColorKey::Back},    {'O', ColorKey::Green},   {'P', ColorKey::Len}};
  for (const auto& place : places)
    settings.CustomColors.push_back(customColorLine(place.Letter - 'A', settings.Value(place.Key)));
}

}  // namespace cardwise::app
