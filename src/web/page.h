#pragma once
// One page of the site: its head (language, encoding, phone viewport, title, meta data, style
// sheet, body colour, the user's header template), the body the page writers add inside
// "<MAIN>" (its first heading is the page's "<H1>"), and its foot (the footer line, the user's
// footer template). The templates are copied as they are, outside "<MAIN>". The page is built in
// memory and written at Close, replacing its file atomically, so a page is never left half written
// (a new file that cannot be written whole is removed again).

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/status.h"
#include "web/site.h"

namespace cardwise {

class Page {
 public:
  // Starts the page at `path` (as PagePath gives it) with the head lines. `headerTemplate` is
  // a full path or empty; a missing template file is left out. An empty robots text is "ALL".
  // `inYearFolder` chooses the statistics link of the links bar.
  void Open(const WebContext& context, const std::string& path, const std::string& headerTemplate,
            std::string_view keywords, std::string_view robots, std::string_view title,
            bool inYearFolder);

  void Line(std::string_view text);  // text + CR LF
  void Text(std::string_view text);  // text, no line end
  void EndLine() { Line({}); }

  // Writes the footer line and the footer template (when the file exists), "</BODY>" and
  // "</HTML>", then the file, creating its folder. The failure names the path.
  Status Close(const std::string& footerTemplate);
  // Close without the writing: the page is complete in Contents() (for a caller that writes
  // pages elsewhere), or the failure says why it may not be written.
  Status Finish(const std::string& footerTemplate);
  // The finished page's bytes, moved out of the page.
  std::string TakeContents();

  // The links bar to the statistics page and the four index pages.
  void WriteLinksBar();
  // The picture slot of a record page: an "<IMG>" of the ".jpg" or ".gif" beside the page
  // named like it, or the tag commented out when there is none.
  void WritePicture(std::string_view id, std::string_view recordName);

  // The settings of the run, and the caption and colour texts the page writers use.
  const AppSettings& Settings() const { return context_->Settings; }
  const std::string& CaptionText(Caption id) const { return Settings().CaptionText(id); }
  const std::string& ColorText(ColorKey key) const { return Settings().Color(key); }

  const std::string& Path() const { return path_; }
  const std::string& Contents() const { return text_; }
  const WebContext& Context() const { return *context_; }

 private:
  // Copies a template file line by line (each line re-ended with CR LF); nothing for an
  // empty path or a file that cannot be read. A page object reads each template file once: the
  // pages of one run share it.
  void CopyTemplate(const std::string& path);
  const std::string& TemplateLines(const std::string& path);

  const WebContext* context_ = nullptr;
  std::string path_;
  std::string footer_;
  std::string text_;
  std::size_t lastSize_ = 0;  // of the page taken last: the next one is about as long
  std::unordered_map<std::string, std::string> templates_;  // path -> lines as copied
  bool inYearFolder_ = false;
};

// The attributes that colour a page's body, a row or a cell: ` bgcolor="C" style="color:#T"`,
// the text black or white, whichever reads better on C (TextColorOn). Links take the colour of
// their text (the style sheet), so they read as well.
std::string CellColor(std::string_view color);

// A header cell with the (HTML) text; a data cell when the text is empty, since a header cell
// without a text says nothing to a screen reader.
std::string HeaderCell(std::string_view text);

// The text with each line ended by CR LF, as in every file the program writes; a last line
// without an end gets one.
std::string AsTextLines(std::string_view contents);

// The file name of the picture a record page shows: the ".jpg", else the ".gif", beside the page
// and named like it; empty when there is none.
std::string PictureBeside(const std::string& pagePath);

// Writes a finished page's bytes to its path, replacing the file atomically, and creating its
// folder; the failure names the path.
Status WritePageFile(const std::string& path, std::string_view contents);

// Every table of the pages: on a narrow screen a wide table scrolls sideways in its own box
// (the style sheet), which takes the keyboard focus so that the arrow keys scroll it too.
inline constexpr const char* kTableStart = "<TABLE border=0 tabindex=0>";

// The pages' bytes are Windows-1252, as all text of the program; each page says so, so that a
// server sending another charset does not garble its letters.
inline constexpr const char* kEncodingMeta =
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";

// The product's home page that the footer links to: the site's own help page.
inline constexpr const char* kProductHomePage = "../index/help.htm";

}  // namespace cardwise
