#include "records/record_io.h"

#include <algorithm>
#include <cstdint>

#include "platform/codepage.h"
#include "records/text.h"

namespace cardwise {

bool DataLineLexer::Next(DataLine& line) {
  if (pos_ >= text_.size()) return false;
  std::size_t end = text_.find('\n', pos_);
  if (end == std::string_view::npos) end = text_.size();
  std::string_view text = text_.substr(pos_, end - pos_);
  pos_ = end + 1;
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);

  line = DataLine{};
  line.Number = ++number_;
  line.Text = text;
  const std::string_view trimmed = TrimView(text);
  if (trimmed.empty()) return true;
  if (text.front() == '[') {
    line.Kind = LineKind::Section;
    return true;
  }
  line.Kind = LineKind::Key;
  const std::size_t equals = text.find('=');
  line.HasEquals = equals != std::string_view::npos;
  line.Key = line.HasEquals ? TrimView(text.substr(0, equals)) : trimmed;
  if (line.HasEquals) line.Value = TrimView(text.substr(equals + 1));
  return true;
}

namespace {

// Below this a file reads in a few tens of milliseconds: a thread would not pay for itself.
constexpr std::size_t kSplitSize = std::size_t{4} << 20;

}  // namespace

std::size_t SplitFileForReading(const FileReader& file) {
  constexpr std::size_t kWindow = std::size_t{64} << 10;
  if (file.Size() < kSplitSize) return std::string::npos;
  std::string window;
  // The windows overlap by a byte, so that a "\n[" across two of them is found.
  for (std::size_t at = file.Size() / 2; at < file.Size(); at += kWindow - 1) {
    if (!file.ReadPart(at, kWindow, window)) break;
    if (const std::size_t section = window.find("\n["); section != std::string::npos)
      return at + section + 1;
    if (window.size() < kWindow) break;
  }
  return std::string::npos;
}

void LoadReport::Add(const DataLine& line, std::string message) {
  Problems.push_back({line.Number, std::string(line.Text), std::move(message)});
}

std::vector<std::string> LoadReport::Messages() const {
  std::vector<std::string> messages;
  if (!ReadStatus.ok()) messages.push_back(ReadStatus.message());
  for (const LoadProblem& problem : Problems)
    messages.push_back(FormatLocation(File, problem.Line, problem.Message) + ": " + problem.Text);
  return messages;
}

std::vector<std::string> BatchReport::Messages() const {
  std::vector<std::string> messages;
  if (!Outcome.ok()) messages.push_back(Outcome.message());
  for (const LeftAlone& record : Kept)
    for (const LoadProblem& problem : record.Problems)
      messages.push_back(FormatLocation(File, problem.Line, problem.Message) + ": " + problem.Text +
                         " (" + record.ID + " left as it was)");
  return messages;
}

ClipboardText::ClipboardText(std::string_view text) {
  DataLineLexer lexer(text);
  DataLine line;
  while (lexer.Next(line))
    if (line.Kind != LineKind::Blank) lines_.emplace_back(line.Text);
}

const std::string* ClipboardText::Find(std::string_view key, std::size_t& equals) const {
  for (const std::string& line : lines_) {
    equals = line.find('=');
    if (equals != std::string::npos &&
        SameText(TrimView(std::string_view(line).substr(0, equals)), key))
      return &line;
  }
  return nullptr;
}

std::string ClipboardText::Value(std::string_view key) const {
  std::size_t equals = 0;
  const std::string* line = Find(key, equals);
  return line ? Trim(std::string_view(*line).substr(equals + 1)) : std::string();
}

bool ClipboardText::Has(std::string_view key) const {
  std::size_t equals = 0;
  return Find(key, equals) != nullptr;
}

namespace {

// A key's first eight upper-cased bytes as a number that orders like the bytes themselves: most
// comparisons of a sort end there.
std::uint64_t KeyPrefix(std::string_view key) {
  std::uint64_t prefix = 0;
  for (std::size_t i = 0; i < 8; ++i)
    prefix = prefix << 8 | (i < key.size() ? UpperChar(static_cast<unsigned char>(key[i])) : 0u);
  return prefix;
}

}  // namespace

std::vector<std::size_t> SortedLastOfEachKey(const std::vector<std::string_view>& keys) {
  // Sorting small (prefix, index) pairs with the index as the last criterion keeps equal keys in
  // file order without moving strings; only keys of one prefix are compared whole. A file saved
  // whole is sorted already, and then no sort runs at all.
  struct Item {
    std::uint64_t Prefix;
    std::size_t Index;
  };
  std::vector<Item> order(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i)
    order[i] = {KeyPrefix(keys[i]), i};
  // Whole keys compare as CompareText does, without a copy of each in capitals.
  const auto keyOrder = [&](const Item& a, const Item& b) {
    if (a.Prefix != b.Prefix) return a.Prefix < b.Prefix ? -1 : 1;
    return CompareText(keys[a.Index], keys[b.Index]);
  };
  const auto keyLess = [&](const Item& a, const Item& b) { return keyOrder(a, b) < 0; };
  const auto less = [&](const Item& a, const Item& b) {
    const int order = keyOrder(a, b);
    return order < 0 || (order == 0 && a.Index < b.Index);
  };
  if (!std::is_sorted(order.begin(), order.end(), less))
    std::sort(order.begin(), order.end(), less);

  std::vector<std::size_t> indexes;
  indexes.reserve(order.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    if (i + 1 == order.size() || keyLess(order[i], order[i + 1])) indexes.push_back(order[i].Index);
  return indexes;
}

std::string SectionText(std::string_view id, const std::vector<KeyValue>& keys) {
  std::string text = "[" + std::string(id) + "]\r\n";
  for (const auto& [key, value] : keys)
    text += key + "=" + value + "\r\n";
  return text;
}

std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find(' '), text.size());
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

std::string Initials(std::string_view name, int words) {
  std::string initials;
  const std::vector<std::string_view> parts = SplitWords(name);
  for (std::size_t i = 0; i < parts.size() && i < static_cast<std::size_t>(words); ++i)
    initials += parts[i].front();
  return initials;
}

}  // namespace cardwise
