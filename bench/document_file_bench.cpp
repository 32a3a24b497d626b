// Saving and loading a large document, measured beside zlib's own compress and inflate of
// the same document image: the ratios say how much the file format adds to the zlib work.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include <unistd.h>
#include <zlib.h>

#include "model/quarrion_canvas.h"
#include "storage/document_file.h"
#include "storage/lookup_table_manager.h"

namespace {
double BestSeconds(int runs, const std::function<void()>& work) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    work();
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    best = std::min(best, took.count());
  }
  return best;
}

// Picture-like bytes: runs of noise and flat stretches, so zlib has some work to do.
std::string PictureBytes(std::size_t size, std::uint32_t seed) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    seed = seed * 1664525u + 1013904223u;
    s[i] = (i / 64) % 3 == 0 ? char(seed >> 24) : char(i / 512);
  }
  return s;
}

void BuildLargeDocument(TQuarrionCanvas& canvas, const TLookupTableManager& registry) {
  canvas.SetPageCount(255);
  for (int p = 0; p < canvas.PageCount(); ++p) {
    canvas.SetPage(p);
    canvas.CurrentPage().Title = "Slide " + std::to_string(p + 1);
    for (int k = 0; k < 2; ++k)
      for (const auto& entry : registry.Table()) canvas.Add(entry.Create(10 + k, 20 + p, 200, 120));
  }
  for (int i = 0; i < 8; ++i)
    canvas.Resources.Add("/pictures/photo" + std::to_string(i) + ".jpg",
                         PictureBytes(512 * 1024, std::uint32_t(i + 1)));
}
}  // namespace

void RunDocumentFileBench() {
  TLookupTableManager registry;
  RegisterBuiltinClasses(registry);
  TQuarrionCanvas canvas;
  BuildLargeDocument(canvas, registry);
  std::string image;
  WriteDocumentImage(canvas, registry, image, {});
  std::size_t objects = 0;
  for (const auto& page : canvas.Pages()) objects += page.Objects.size();

  std::string path = "/tmp/quarrion-bench-" + std::to_string(::getpid()) + ".qsl";
  const int runs = 3;
  long long fileSize = 0;
  double save = BestSeconds(runs, [&] { fileSize = SaveDocument(canvas, path, registry).Bytes; });
  double load = BestSeconds(runs, [&] {
    TQuarrionCanvas loaded;
    if (!LoadDocument(loaded, path, registry).Ok()) std::abort();
  });
  std::string compressed(compressBound(uLong(image.size())), '\0');
  uLongf compressedSize = 0;
  double zlibCompress = BestSeconds(runs, [&] {
    compressedSize = uLongf(compressed.size());
    compress2(reinterpret_cast<Bytef*>(compressed.data()), &compressedSize,
              reinterpret_cast<const Bytef*>(image.data()), uLong(image.size()), Z_BEST_COMPRESSION);
  });
  std::string inflated(image.size(), '\0');
  double zlibInflate = BestSeconds(runs, [&] {
    uLongf size = uLongf(inflated.size());
    uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size,
               reinterpret_cast<const Bytef*>(compressed.data()), compressedSize);
  });
  ::unlink(path.c_str());

  std::printf("Document file: %d pages, %zu objects, image %zu bytes, file %lld bytes\n",
              canvas.PageCount(), objects, image.size(), fileSize);
  std::printf("  save %.1f ms, zlib compress2 level 9 %.1f ms, ratio %.2f\n", save * 1e3,
              zlibCompress * 1e3, save / zlibCompress);
  std::printf("  load %.1f ms, zlib uncompress %.1f ms, ratio %.2f\n", load * 1e3,
              zlibInflate * 1e3, load / zlibInflate);
}
