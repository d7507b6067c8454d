// bench-libs: lumidex_imagelist lumidex_album lumidex_images lumidex_foundation
// The detail list of a page or folder of many files.
//   detail_list_bench [FILES]
// FILES (default 10000) small JPEGs with a shooting date in a temporary
// folder, all entries of one page. Prints the first screen of the detail
// list with the shooting-information columns on: the rows of every entry
// made and the 40 visible rows filled (type, size, date, Exif), goal under
// 50 ms, beside a plain stat of the same 40 files (the reference of what
// touching them costs); then every row filled (the first sort by a column
// other than the name, shown with progress and "中止") and the sort.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "exif_jpeg.h"
#include "imagelist/detail_rows.h"

using namespace lumidex;

namespace {

constexpr size_t kScreenRows = 40;

}  // namespace

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("detail_list_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::vector<std::string> lines;
  for (int i = 0; i < files; ++i) {
    const std::string path = (folder / ("IMG_" + std::to_string(i) + ".jpg")).string();
    std::ofstream(path, std::ios::binary) << bench::ExifJpeg("2024:05:01 10:00:" + std::to_string(10 + i % 50));
    lines.push_back(path + "=");
  }
  // Each run takes another screen of files, so no run reads what the one
  // before has just read from the page cache's warm end.
  size_t screenStart = 0;
  auto nextScreen = [&] {
    screenStart = (screenStart + kScreenRows) % (lines.size() - kScreenRows + 1);
    return screenStart;
  };
  std::vector<DetailRow> rows;
  const double first = bench::Best(5, [&] {
    TypeNameCache typeNames(ExtensionTypeName);
    rows = DetailRowsOf(lines, "01/01", nullptr);
    const size_t start = nextScreen();
    for (size_t i = start; i < start + kScreenRows; ++i) FillDetailRow(rows[i], std::ref(typeNames), true);
  });
  const double stats = bench::Best(5, [&] {
    const size_t start = nextScreen();
    for (size_t i = start; i < start + kScreenRows; ++i) {
      struct stat info {};
      ::stat(rows[i].key.c_str(), &info);
    }
  });
  TypeNameCache typeNames(ExtensionTypeName);
  const double all = bench::Best(1, [&] {
    for (auto& row : rows) FillDetailRow(row, std::ref(typeNames), true);
  });
  int dated = 0;
  for (const auto& row : rows) dated += row.exif[0].empty() ? 0 : 1;
  const double sort = bench::Best(3, [&] { SortDetailRows(rows, kFirstExifColumn, true); });
  std::printf("first screen of %d entries with Exif columns: %.2f ms (goal < 50 ms); stat of the same %zu files "
              "(reference): %.2f ms\n",
              files, first, kScreenRows, stats);
  std::printf("every row filled with Exif: %.1f ms (%d with a shooting date); sorted by it: %.1f ms\n", all, dated,
              sort);
  std::filesystem::remove_all(folder);
  return 0;
}
