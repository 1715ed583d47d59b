#pragma once
// Courses: one set of tees of a golf course with its card, in "COURSES.DAT".
//
//   [MILLBGC]
//   ID=MILLBGC
//   Course=Mill Brook Golf Club
//   Alias=MILL BROOK
//   Tee=Yellow
//   LenRGB=ffff00
//   CR=71.2
//   Slope=128.0
//   Changed=2002-05-01
//   Par=4,4,3,5,4,4,3,4,5,4,4,3,5,4,4,3,4,5
//   Hcp=7,11,17,1,9,5,15,13,3,8,12,18,2,10,6,16,14,4
//   Len=350,362,141,470,330,380,152,344,455,362,317,128,488,351,376,160,309,479
//
// IDs are upper-cased when saved.

#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_file.h"
#include "records/dates.h"
#include "records/hole_row.h"
#include "records/record_io.h"
#include "records/record_list.h"
#include "settings/colors.h"

namespace cardwise {

struct AppSettings;

struct Course {
  static constexpr const char* kSavingPrefix = "Saving ";
  static constexpr const char* kNameKey = "Course";

  std::string ID;
  std::string Name;         // the course name
  std::string Alias;        // another name; FindByName finds the course by any part of it
  std::string Tee;          // the tee's name
  std::string LenRGB;       // the tee's colour as "rrggbb" (at most 9 characters)
  ColorValue LenColor = 0;  // LenRGB decoded; 0 = not decoded yet; not stored
  float CR = 0;             // course rating
  float Slope = 0;          // slope rating
  std::string Phone, URL;
  DateTime Changed = 0;  // the day the card was last changed
  Result Par, Hcp, Len;  // par, stroke index (1 = hardest) and length per hole
  bool Used = false;     // not stored

  FieldResult ReadField(std::string_view key, std::string_view value);
  void Complete();  // decodes LenColor
  // ID := the first four characters of the first word of Course and the first letter of its
  // second, third and fourth words ("Mill Brook Golf Club" gives MillBGC).
  void MakeID();
  bool ShouldSave() const { return true; }
  // LenRGB from LenColor when that is set; ID upper-cased.
  void PrepareSave();
  std::vector<KeyValue> FileKeys() const;
  std::vector<KeyValue> ClipboardKeys() const;  // the same keys, same conditions
  void ReloadFrom(const IniFile& file, const std::string& section);
  void PasteFrom(const ClipboardText& clip);
  // Course equal to the name, or the name anywhere inside Alias, without regard to letter case.
  bool MatchesName(std::string_view name) const;

  // LenColor, decoded from LenRGB when 0, else the settings' default length colour.
  ColorValue LenColorOf(const AppSettings& settings);
  // "CR=71.2 Slope=128", each part only when its value is above 0; empty when both are 0.
  std::string RatingText() const;
  void Clear();
};

// The colour text "rrggbb" of a colour value, and the value of a text (either letter case,
// characters that are not hexadecimal digits skipped).
std::string ColorText(ColorValue color);
ColorValue ColorFromText(std::string_view text);

// Value readers of the data files, shared by courses and rounds. Each reports BadValue for a
// text it cannot read.
// A hole list ("4,5,3,0,4") into the row, replacing its holes; the row's StoredTotal stays. The
// holes are read as Result::FromText reads them; BadValue when the text holds anything but
// digits, signs, commas and spaces.
FieldResult ReadHoleRow(std::string_view value, Result& row);
// A number with "," or "." as decimal point; 0 when there is none (an empty text is no fault).
FieldResult ReadDecimalField(std::string_view value, float& number);
// A date by ParseDate (an empty text is today); a text no date form reads leaves the field.
FieldResult ReadDateField(std::string_view value, DateTime& date);

class CourseList : public RecordList<Course> {};

// The process-wide course list.
CourseList& Courses();

}  // namespace cardwise
