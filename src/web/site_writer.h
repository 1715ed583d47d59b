#pragma once
// The writer of a site run: it admits each page's path (inside the web root, from templates
// inside the template folder), decides which existing pages stay as they are, renders pages on
// the calling thread while a WriteQueue writes them on another, and keeps the account of the run
// (MakePagesReport) and the record of the pages' inputs (PageRecord).

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "platform/run_beside.h"
#include "web/make_pages_report.h"
#include "web/page.h"
#include "web/page_inputs.h"
#include "web/page_record.h"
#include "web/site.h"
#include "web/write_queue.h"

namespace cardwise {

// A template name the pages may read: empty, or a name inside the template folder.
bool IsSafeTemplateName(const std::string& name);

// The header template a page is opened with: its full path, and whether the name it was made
// from stays inside the template folder.
struct HeaderChoice {
  std::string Path;
  bool Safe = true;
};

HeaderChoice StdHeaderChoice(const AppSettings& settings);

// How a page is opened, besides its path.
struct PageFrame {
  std::string Header;  // full path of the header template, or empty
  std::string Keywords;
  std::string Robots;
  std::string Title;
  bool InYearFolder = false;
};

// Opens, fills and closes pages, and keeps the account of the run.
class SiteWriter {
 public:
  SiteWriter(const WebContext& context, MakePagesReport& report);

  const WebContext& Context() const { return context_; }
  PageInputs& Inputs() { return inputs_; }
  const AppSettings& Settings() const { return settings_; }

  // The page's path when it may be written; otherwise the page is reported and nullopt.
  std::optional<std::string> Admit(const PageLocation& location, bool headerSafe);

  // Whether an existing page stays as it is: its update-all setting is off and it exists, from
  // an earlier run or made earlier in this one. Pages from earlier runs count as kept.
  bool Keeps(const std::string& path, bool updateAll);

  // Records that the page will be written in this run, for Keeps.
  void Plan(const std::string& path) { made_.insert(path); }

  // Lists the web root and its folders now, as Keeps would one at a time when it first looks
  // into each: another thread may do it before the planning, while nothing is written.
  void ListSiteFolders();

  // Write, unless the page was made from the same inputs and its file is as that run left it:
  // then it stays as it is, counted as kept.
  template <typename Body>
  void WriteUnlessCurrent(const std::string& path, std::uint64_t inputs, const PageFrame& frame,
                          Body&& body) {
    if (!KeepsChecked(path, inputs, Check(path, inputs))) Write(path, frame, body);
  }

  // The page's file as the record has it when the page may stay as it is (PageRecord::Current):
  // threads may ask it at once.
  std::optional<SiteFile> Check(const std::string& path, std::uint64_t inputs) const {
    return record_.Current(path, inputs);
  }

  // Notes the page in the record with the answer of Check; true when the page stays as it is,
  // counted as kept.
  bool KeepsChecked(const std::string& path, std::uint64_t inputs, std::optional<SiteFile> kept);

  // Renders the page here and leaves the writing to the queue's thread.
  template <typename Body>
  void Write(const std::string& path, const PageFrame& frame, Body&& body) {
    WriteIn(context_, path, frame, body);
  }

  // The same with the page reading another context (a part of the round list).
  template <typename Body>
  void WriteIn(const WebContext& context, const std::string& path, const PageFrame& frame,
               Body&& body) {
    Plan(path);
    page_.Open(context, path, frame.Header, frame.Keywords, frame.Robots, frame.Title,
               frame.InYearFolder);
    body(page_);
    Queue(path);
  }

  // Flush, then the record of this run's pages replaces the last one's.
  void Finish();

  // Waits until the pages rendered so far are on disk, for what looks at the files.
  void Flush();

 private:
  // Texts found by a string_view without making a string of it.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>()(text);
    }
  };
  // The names of a folder's files, each with whether it was counted as kept.
  using Names = std::unordered_map<std::string, bool, TextHash, std::equal_to<>>;

  // Closes the page just filled and hands it to the queue, or reports why it cannot be.
  void Queue(const std::string& path);
  bool CountKept(std::string_view path);
  Names& ListingOf(std::string_view folder);
  std::nullopt_t Refuse(const std::string& path, const char* why);
  void Report(const std::string& path, const std::string& message);

  const WebContext& context_;
  const AppSettings& settings_;
  MakePagesReport& report_;
  const std::string footer_;
  const bool footerSafe_;
  PageRecord record_;
  PageInputs inputs_;
  Page page_;
  WriteQueue queue_;
  std::unordered_set<std::string> made_, written_, reported_;
  std::unordered_map<std::string, Names, TextHash, std::equal_to<>> listings_;  // by folder
};

// What the record says of a page: the digest of its inputs, and its file when the page may stay
// as it is.
struct CheckedPage {
  std::uint64_t Inputs = 0;
  std::optional<SiteFile> Kept;
};

// The pages 0 to count - 1 checked against the record, on two threads, before any is rendered:
// `check(k)` gives page k's (nullopt: a page not checked) and must change nothing. A check is a
// digest and a look at a file, and the most numerous pages are checked so.
template <typename Check>
std::vector<CheckedPage> CheckPages(std::size_t count, Check&& check) {
  constexpr std::size_t kShare = 256;
  std::vector<CheckedPage> checked(count);
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    for (std::size_t from = next.fetch_add(kShare); from < count; from = next.fetch_add(kShare)) {
      for (std::size_t k = from; k < std::min(from + kShare, count); ++k)
        if (std::optional<CheckedPage> page = check(k)) checked[k] = std::move(*page);
    }
  };
  if (!RunBeside(work, work)) work();
  return checked;
}

}  // namespace cardwise
