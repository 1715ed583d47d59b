#include "web/page.h"

#include "platform/files.h"
#include "records/process_info.h"
#include "records/text.h"

namespace cardwise {

namespace {

std::string FooterLine(const AppSettings& settings) {
  const ProcessInfo& process = Process();
  std::string footer = "<BR clear=all><HR><SMALL><I>Produced with <A href=\"" +
                       std::string(kProductHomePage) + "\">" + process.ProductName + "</A> " +
                       process.VersionText + "</I></SMALL>";
  if (!settings.CopyInFooter) return footer;
  // The author, linked to the owner's address; without an author the address is the text.
  std::string owner = HtmlEscape(settings.Author);
  if (owner.empty())
    owner = AddressLink("mailto:", settings.EmailOwner);
  else if (!settings.EmailOwner.empty())
    owner = "<A href=\"mailto:" + HtmlEscape(settings.EmailOwner) + "\">" + owner + "</A>";
  return footer + "<SMALL><I> | &copy; " + owner + "</I></SMALL>";
}

std::string Meta(std::string_view name, const std::string& content) {
  return "  <META name=\"" + std::string(name) + "\" content=\"" + content + "\">";
}

// Whether the path lies below the web root: a page path built from record IDs or tour
// folders that climbs out of the site, or that uses a backslash, is never written.
bool IsBelowRoot(const std::string& root, const std::string& path) {
  if (root.empty() || path.size() <= root.size() || path.compare(0, root.size(), root) != 0) {
    return false;
  }
  std::string_view rest(path);
  rest.remove_prefix(root.size());
  while (true) {
    const std::size_t slash = rest.find('/');
    const std::string_view part = rest.substr(0, slash);
    if (part.empty() || !IsSafePathPart(part)) return false;
    if (slash == std::string_view::npos) return true;
    rest.remove_prefix(slash + 1);
  }
}

// The path with its extension (after the last "." of the file name) replaced.
std::string WithExtension(const std::string& path, std::string_view extension) {
  const std::size_t slash = path.rfind('/');
  const std::size_t dot = path.rfind('.');
  const bool hasDot = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasDot ? path.substr(0, dot) : path) + std::string(extension);
}

}  // namespace

void Page::Open(const WebContext& context, const std::string& path,
                const std::string& headerTemplate, std::string_view keywords,
                std::string_view robots, std::string_view title, bool inYearFolder) {
  const AppSettings& settings = context.Settings;
  const ProcessInfo& process = Process();
  context_ = &context;
  path_ = path;
  inYearFolder_ = inYearFolder;
  footer_ = FooterLine(settings);
  text_.clear();
  text_.reserve(lastSize_ + lastSize_ / 4);
  Line("<HTML lang=\"" + HtmlEscape(settings.Language) + "\">");
  Line("<HEAD>");
  Line(std::string("  ") + kEncodingMeta);
  Line(Meta("viewport", "width=device-width, initial-scale=1"));
  Line("  <TITLE>" + HtmlEscape(title) + "</TITLE>");
  if (!settings.EmailOwner.empty()) Line(Meta("owner", HtmlEscape(settings.EmailOwner)));
  if (!settings.Author.empty()) {
    Line(Meta("author", ShortDateText(context.Today) + "/" + HtmlEscape(settings.Author)));
  }
  Line(Meta("robots", robots.empty() ? std::string("ALL") : HtmlEscape(robots)));
  Line(Meta("generator", process.ProductName + " " + process.VersionText));
  if (!keywords.empty()) Line(Meta("keywords", HtmlEscape(keywords) + ",xCardxWisex"));
  Line("  <LINK rel=\"stylesheet\" type=\"text/css\" href=\"../index/cardwise.css\">");
  Line("</HEAD>");
  Line("<BODY" + CellColor(settings.Color(ColorKey::Back)) + ">");
  CopyTemplate(headerTemplate);
  Line("<MAIN>");
}

void Page::Line(std::string_view text) {
  text_ += text;
  text_ += "\r\n";
}

void Page::Text(std::string_view text) {
  text_ += text;
}

void Page::CopyTemplate(const std::string& path) {
  if (!path.empty()) text_ += TemplateLines(path);
}

const std::string& Page::TemplateLines(const std::string& path) {
  const auto [found, added] = templates_.try_emplace(path);
  std::string contents;
  if (added && FileExists(path) && ReadWholeFile(path, contents))
    found->second = AsTextLines(contents);
  return found->second;
}

std::string Page::TakeContents() {
  lastSize_ = text_.size();
  return std::move(text_);
}

Status Page::Close(const std::string& footerTemplate) {
  const Status status = Finish(footerTemplate);
  return status ? WritePageFile(path_, text_) : status;
}

Status Page::Finish(const std::string& footerTemplate) {
  if (context_ == nullptr) return Status::Error(path_ + ": page not opened");
  Line("</MAIN>");
  Line(footer_);
  CopyTemplate(footerTemplate);
  Line("</BODY>");
  Line("</HTML>");
  const std::string root = IncludeTrailingSlash(context_->Settings.HtmlRootDir);
  if (!IsBelowRoot(root, path_)) {
    return Status::ErrorAt(path_, 0, "not a page below the web root " + root);
  }
  return Status::Ok();
}

Status WritePageFile(const std::string& path, std::string_view contents) {
  // Every page replaces its file atomically, new or not: a run that is stopped half way never
  // leaves a half-written page that a later run without the update-all boxes would keep.
  Status status = CreateDirectories(DirectoryOf(path));
  if (status) status = WriteFileAtomically(path, contents);
  if (status || status.message().find(path) != std::string::npos) return status;
  return Status::ErrorAt(path, 0, status.message());
}

std::string CellColor(std::string_view color) {
  return " bgcolor=\"" + std::string(color) + "\" style=\"color:#" +
         ColorToHtml(TextColorOn(HtmlToColor(color))) + "\"";
}

std::string HeaderCell(std::string_view text) {
  return (text.empty() ? "<TD>" : "<TH>") + std::string(text);
}

std::string AsTextLines(std::string_view contents) {
  std::string lines;
  lines.reserve(contents.size() + contents.size() / 32);
  std::size_t start = 0;
  while (start < contents.size()) {
    std::size_t end = contents.find('\n', start);
    if (end == std::string_view::npos) end = contents.size();
    std::string_view line = contents.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.append(line);
    lines.append("\r\n");
    start = end + 1;
  }
  return lines;
}

void Page::WriteLinksBar() {
  const AppSettings& settings = context_->Settings;
  const std::string index = settings.UseLongFileNames ? "index.html" : "index.htm";
  // Pages outside a year folder reach the statistics of the current year.
  const std::string stats =
      inYearFolder_ ? "stat.htm" : "../" + std::to_string(context_->CurrentYear()) + "/stat.htm";
  const auto link = [&](const std::string& href, Caption caption, const char* tail) {
    Line("<A href=\"" + href + "\">" + settings.CaptionText(caption) + "</A>" + tail);
  };
  Line("<!-- Links to index -->");
  Line("<BR clear=all>");
  Line("<SMALL>" + settings.CaptionText(Caption::Links));
  link(stats, Caption::Stats, " |");
  link("../index/p" + index, Caption::Player, " |");
  link("../index/c" + index, Caption::Course, " |");
  link("../index/e" + index, Caption::Event, " |");
  link("../index/t" + index, Caption::Tour, " |");
  link("../", Caption::Index, "");
  Line("</SMALL>");
}

std::string PictureBeside(const std::string& pagePath) {
  // The picture is named like the page, so it is found in both name forms.
  for (const char* extension : {".jpg", ".gif"}) {
    const std::string candidate = WithExtension(pagePath, extension);
    if (FileExists(candidate)) return FileNameOf(candidate);
  }
  return {};
}

void Page::WritePicture(std::string_view /*id*/, std::string_view recordName) {
  const std::string picture = PictureBeside(path_);
  const std::string tag = "<IMG src=\"" + HtmlEscape(picture) + "\" alt=\"" +
                          HtmlEscape(recordName) + "\" align=right vspace=10 hspace=5>";
  Line(picture.empty() ? "<!-- Put picture in the same dir: " + tag + " -->" : tag);
}

}  // namespace cardwise
