// bench-libs: lumidex_imagelist lumidex_album lumidex_images lumidex_foundation
// The detail list of a folder of many files.
//   detail_list_bench [FILES]
// FILES (default 20000) empty files in a temporary folder. Prints the time
// to make the rows of every file (what the list needs before it shows: goal
// under 50 ms, so the window never freezes) beside the time to fill one
// screen of rows (40), and the time to fill every row (what the first sort
// by a column other than the name costs, shown with progress and "中止").
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "imagelist/detail_rows.h"

using namespace lumidex;

int main(int argc, char** argv) {
  const int files = argc > 1 ? std::atoi(argv[1]) : 20000;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("detail_list_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::vector<std::string> lines;
  for (int i = 0; i < files; ++i) {
    const std::string path = (folder / ("IMG_" + std::to_string(i) + ".jpg")).string();
    std::ofstream(path) << "x";
    lines.push_back(path + "=");
  }
  std::vector<DetailRow> rows;
  const double make = bench::Best(5, [&] { rows = DetailRowsOf(lines, "", nullptr); });
  const double screen = bench::Best(5, [&] {
    std::vector<DetailRow> some = DetailRowsOf(std::vector<std::string>(lines.begin(), lines.begin() + 40), "", nullptr);
    for (auto& row : some) FillDetailRow(row, ExtensionTypeName, false);
  });
  const double all = bench::Best(1, [&] {
    for (auto& row : rows) FillDetailRow(row, ExtensionTypeName, false);
  });
  const double sort = bench::Best(3, [&] { SortDetailRows(rows, kSizeColumn, true); });
  std::printf("rows of %d files: %.1f ms (goal < 50 ms); one screen filled (reference): %.2f ms\n", files,
              make, screen);
  std::printf("every row filled: %.1f ms; sorted by size: %.1f ms\n", all, sort);
  std::filesystem::remove_all(folder);
  return 0;
}
