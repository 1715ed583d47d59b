#pragma once
// The setup dialog: colours with their samples and the colour dialog, folders, templates,
// owner and author, where to publish the site ("Publish to", "Remove old files on the
// server"), "True color icons" and "Copy in footer".
//
// Every activation (showing it, or coming back to it from another window of the program) shows
// the settings as they are, so changes not confirmed with OK are dropped; Reset puts the default
// colours into the settings at once. OK stores the fields into Settings() and writes the
// settings (a failure is one message box; the dialog closes all the same).

#include <QDialog>
#include <string>
#include <vector>

#include "settings/settings.h"

class QCheckBox;
class QColorDialog;
class QLineEdit;

namespace cardwise::app {

class ColorField;

class SetupDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SetupDialog(QWidget* parent = nullptr);

 signals:
  // OK switched between the true-colour and the plain button images.
  void iconsSwitched(bool trueColor);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void createColorFields();
  void createTextFields();
  void createCheckBoxes();
  void createHelp();

  void activate();
  void showColors();
  void takeColors();
  void pickFieldColor(ColorField* field);
  void pickTotalColor();
  void pickLengthColor(ColorField* field);
  void resetColors();
  void saveAndClose();
  // Runs the colour dialog on `color` with the custom colours of the settings; false when the
  // user cancels.
  bool pickColor(QColor& color);

  std::vector<ColorField*> colorFields_;  // in the order of the colour table
  ColorField* totalColorEdit_ = nullptr;
  QLineEdit *rootDirEdit_ = nullptr, *headerEdit_ = nullptr, *footerEdit_ = nullptr,
            *ownerEdit_ = nullptr, *authorEdit_ = nullptr;
  QLineEdit* publishToEdit_ = nullptr;  // with publishDeleteBox_: where and how to publish
  QCheckBox* publishDeleteBox_ = nullptr;
  QCheckBox *copyFilesBox_ = nullptr, *trueColorIconsBox_ = nullptr;
  QColorDialog* colorDialog_ = nullptr;
  bool refreshOnActivate_ = false;
};

// Runs the colour dialog on `color` with the custom colours of the settings, and keeps the
// custom colours the user left in it; false, `color` unchanged, when the user cancels.
bool pickColorWithCustomColors(QColorDialog* dialog, QColor& color);

// The colour dialog's custom colours as the settings keep them: "Color" + letter + "=" + six
// hexadecimal digits of the 0x00BBGGRR value, letters A to P for the dialog's sixteen places.
// Lines that do not have this form are passed over; places without a line are white.
void applyCustomColors(const std::vector<std::string>& lines);
std::vector<std::string> customColorLines();  // all sixteen places, upper-case digits

// Start-up: when the custom-colour list is empty, fills it from the colours in force (the six
// score colours as ColorA to ColorF, the total font colours as ColorJ, ColorH, ColorK, then
// Back, Green and Len as ColorN, ColorO, ColorP).
void fillCustomColors(AppSettings& settings);

}  // namespace cardwise::app
