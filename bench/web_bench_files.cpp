// The anchors of the web benchmark (web_bench.sh), made from a site the generator wrote:
//
//   cardwise-web-bench-files write SITE TARGET
//       reads every file of SITE into memory, then writes them all below the fresh folder
//       TARGET with a plain loop (folder, open, write, close) and prints the seconds of the
//       writes: the least a generator of the same files can take.
//   cardwise-web-bench-files hugo SITE HUGO
//       makes a hugo source folder with one HTML content page for every page of SITE (its
//       bytes below a front matter) and a layout that only places the content.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct SiteFile {
  fs::path Relative;
  std::string Bytes;
};

std::vector<SiteFile> ReadSite(const fs::path& site) {
  std::vector<SiteFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(site)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files.push_back(
        {fs::relative(entry.path(), site), std::string(std::istreambuf_iterator<char>(in), {})});
  }
  return files;
}

bool WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

int WriteAll(const fs::path& site, const fs::path& target) {
  const std::vector<SiteFile> files = ReadSite(site);
  std::size_t bytes = 0;
  const auto start = std::chrono::steady_clock::now();
  fs::path lastFolder;
  for (const SiteFile& file : files) {
    const fs::path path = target / file.Relative;
    if (path.parent_path() != lastFolder) {
      lastFolder = path.parent_path();
      fs::create_directories(lastFolder);
    }
    if (!WriteFile(path, file.Bytes)) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    bytes += file.Bytes.size();
  }
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  std::printf("files %zu bytes %zu seconds %.3f\n", files.size(), bytes, seconds.count());
  return 0;
}

constexpr const char* kHugoConfig =
    "baseURL = \"http://localhost/\"\n"
    "title = \"bench\"\n"
    "disableKinds = [\"taxonomy\", \"term\", \"RSS\", \"sitemap\", \"robotsTXT\", \"404\"]\n";
constexpr const char* kSingleLayout = "{{ .Content }}\n";
constexpr const char* kListLayout = "<html><body>{{ .Title }}</body></html>\n";

int MakeHugoSource(const fs::path& site, const fs::path& hugo) {
  fs::create_directories(hugo / "layouts" / "_default");
  WriteFile(hugo / "config.toml", kHugoConfig);
  WriteFile(hugo / "layouts" / "_default" / "single.html", kSingleLayout);
  WriteFile(hugo / "layouts" / "_default" / "list.html", kListLayout);
  int pages = 0;
  fs::path lastFolder;
  for (const auto& entry : fs::recursive_directory_iterator(site)) {
    const fs::path extension = entry.path().extension();
    if (!entry.is_regular_file() || (extension != ".htm" && extension != ".html")) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    fs::path path = hugo / "content" / fs::relative(entry.path(), site);
    path.replace_extension(".html");
    if (path.parent_path() != lastFolder) {
      lastFolder = path.parent_path();
      fs::create_directories(lastFolder);
    }
    WriteFile(path, "---\ntitle: \"page " + std::to_string(++pages) + "\"\n---\n" + bytes);
  }
  std::printf("pages %d\n", pages);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 4 ? argv[1] : "";
  if (mode == "write") return WriteAll(argv[2], argv[3]);
  if (mode == "hugo") return MakeHugoSource(argv[2], argv[3]);
  std::fprintf(stderr, "usage: %s write SITE TARGET | hugo SITE HUGO\n", argv[0]);
  return 2;
}
