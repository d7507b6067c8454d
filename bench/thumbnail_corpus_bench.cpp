// bench-libs: lumidex_images lumidex_foundation
// Driver of bench/thumbnails.sh.
//   thumbnail_corpus_bench generate DIR N
//     writes N camera-size JPEGs (12, 18 and 24 megapixels in turn, quality
//     90, 4:2:0, each with an Exif block of the usual camera tags) into DIR
//     as IMG_0001.jpg ...; content is smooth colour fields with grain, so
//     the files have the size and entropy of real photographs.
//   thumbnail_corpus_bench exif FILE...
//     reads the shooting information of every file (ExifSummary) and prints
//     how many had a block, as the Exif side of the comparison.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <jpeglib.h>

#include "foundation/file_store.h"
#include "images/exif_reader.h"

namespace {

void Put(std::string& s, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A big-endian Exif block: Make, Model, DateTime; Exif directory with
// DateTimeOriginal, ExposureTime, FNumber, ISO, FocalLength, Flash, size.
std::string ExifSegment(int index, int width, int height) {
  struct Entry {
    uint16_t tag, type;
    uint32_t count;
    std::string data;
  };
  char date[32];
  std::snprintf(date, sizeof date, "2024:%02d:%02d 10:%02d:00", 1 + index % 12, 1 + index % 28, index % 60);
  auto ascii = [](uint16_t tag, const std::string& text) {
    return Entry{tag, 2, static_cast<uint32_t>(text.size() + 1), text + '\0'};
  };
  auto rational = [](uint16_t tag, uint32_t n, uint32_t d) {
    std::string s;
    Put(s, n, 4);
    Put(s, d, 4);
    return Entry{tag, 5, 1, s};
  };
  auto shortValue = [](uint16_t tag, uint32_t v) {
    std::string s;
    Put(s, v, 2);
    s += std::string(2, '\0');
    return Entry{tag, 3, 1, s};
  };
  auto longValue = [](uint16_t tag, uint32_t v) {
    std::string s;
    Put(s, v, 4);
    return Entry{tag, 4, 1, s};
  };
  std::vector<Entry> ifd0 = {ascii(0x010F, "Lumidex Camera Co."), ascii(0x0110, "LX-24"),
                             ascii(0x0132, date), longValue(0x8769, 0)};
  std::vector<Entry> exif = {rational(0x829A, 1, 250),  rational(0x829D, 56, 10),
                             shortValue(0x8827, 200),   ascii(0x9003, date),
                             shortValue(0x9207, 5),     shortValue(0x9209, 16),
                             rational(0x920A, 350, 10), longValue(0xA002, static_cast<uint32_t>(width)),
                             longValue(0xA003, static_cast<uint32_t>(height))};
  std::string tiff = "MM";
  Put(tiff, 42, 2);
  Put(tiff, 8, 4);
  auto append = [&](const std::vector<Entry>& entries, size_t* pointer) {
    const size_t start = tiff.size();
    size_t dataAt = start + 2 + 12 * entries.size() + 4;
    std::string head, blob;
    Put(head, static_cast<uint32_t>(entries.size()), 2);
    for (const Entry& e : entries) {
      Put(head, e.tag, 2);
      Put(head, e.type, 2);
      Put(head, e.count, 4);
      if (e.tag == 0x8769 && pointer != nullptr) *pointer = start + head.size();
      if (e.data.size() <= 4) {
        head += e.data + std::string(4 - e.data.size(), '\0');
      } else {
        Put(head, static_cast<uint32_t>(dataAt + blob.size()), 4);
        blob += e.data;
        if (blob.size() % 2) blob.push_back('\0');
      }
    }
    Put(head, 0, 4);
    tiff += head + blob;
  };
  size_t pointer = 0;
  append(ifd0, &pointer);
  std::string offset;
  Put(offset, static_cast<uint32_t>(tiff.size()), 4);
  tiff.replace(pointer, 4, offset);
  append(exif, nullptr);
  return std::string("Exif\0\0", 6) + tiff;
}

std::string CameraJpeg(int index, int width, int height) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  const std::string exif = ExifSegment(index, width, height);
  jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.data()),
                    static_cast<unsigned>(exif.size()));
  std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
  uint32_t seed = 2166136261u ^ static_cast<uint32_t>(index);
  const double phase = index * 0.7;
  // The colour field varies along x and y apart: its sines once per column.
  std::vector<double> waveX(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) waveX[x] = std::sin(6.0 * x / width + phase);
  for (int y = 0; y < height; ++y) {
    const double v = static_cast<double>(y) / height;
    const double waveY = std::cos(4.0 * v - phase);
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>((seed >> 24) & 15) - 8;
      const double u = static_cast<double>(x) / width;
      const double base = 0.5 + 0.5 * waveX[x] * waveY;
      const int r = static_cast<int>(255 * base) + grain;
      const int g = static_cast<int>(255 * (0.3 + 0.6 * v * base)) + grain;
      const int b = static_cast<int>(255 * (0.8 - 0.6 * u)) + grain;
      unsigned char* p = row.data() + static_cast<size_t>(x) * 3;
      p[0] = static_cast<unsigned char>(r < 0 ? 0 : r > 255 ? 255 : r);
      p[1] = static_cast<unsigned char>(g < 0 ? 0 : g > 255 ? 255 : g);
      p[2] = static_cast<unsigned char>(b < 0 ? 0 : b > 255 ? 255 : b);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return bytes;
}

int Generate(const std::string& folder, int count) {
  static const int kSizes[3][2] = {{4000, 3000}, {5184, 3456}, {6000, 4000}};
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::thread> workers;
  for (unsigned t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      for (int i = static_cast<int>(t); i < count; i += static_cast<int>(threads)) {
        char name[32];
        std::snprintf(name, sizeof name, "/IMG_%04d.jpg", i + 1);
        const int* size = kSizes[i % 3];
        const std::string jpeg = CameraJpeg(i, size[0], size[1]);
        if (!lumidex::RealFileStore().WriteAtomic(folder + name, jpeg).ok()) {
          std::fprintf(stderr, "cannot write %s%s\n", folder.c_str(), name);
          std::exit(1);
        }
      }
    });
  }
  for (auto& w : workers) w.join();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "generate") return Generate(args[1], std::atoi(args[2].c_str()));
  if (!args.empty() && args[0] == "exif") {
    size_t withBlock = 0;
    for (size_t i = 1; i < args.size(); ++i) {
      if (lumidex::ExifSummary(args[i], true).rfind("00=", 0) == 0) ++withBlock;
    }
    std::printf("%zu of %zu files have shooting information\n", withBlock, args.size() - 1);
    return 0;
  }
  std::fprintf(stderr, "usage: thumbnail_corpus_bench generate DIR N | exif FILE...\n");
  return 2;
}
