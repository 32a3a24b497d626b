#include "storage/storage_fixtures.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "objects/annot.h"
#include "objects/gradient.h"
#include "objects/rectangle.h"
#include "storage/document_file.h"
#include "base/file_helpers.h"

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quarrion-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempDir::List() const {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(path_))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

const TLookupTableManager& BuiltinRegistry() { return BuiltinClassRegistry(); }

void WriteRaw(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadRaw(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string EnvelopeOf(std::uint32_t length, const std::string& stream) {
  std::string s = "GZIP";
  for (int i = 0; i < 4; ++i) s.push_back(char((length >> (8 * i)) & 0xFF));
  return s + stream;
}

std::string ImageOf(TQuarrionCanvas& canvas) {
  std::string image;
  WriteDocumentImage(canvas, BuiltinRegistry(), image, {});
  return image;
}

std::string ReloadedImage(TQuarrionCanvas& canvas, TQuarrionCanvas& into) {
  std::string content = EncodeDocumentContent(ImageOf(canvas));
  ScrambleBytes(content);
  auto r = LoadDocumentFromBytes(into, content, BuiltinRegistry(), "doc");
  if (!r.Ok()) throw std::runtime_error("reload failed: " + r.Message);
  return ImageOf(into);
}

namespace {
std::unique_ptr<TPDFGradient> MakeGradient(int type, TColor a, TColor b) {
  auto g = std::make_unique<TPDFGradient>(0, 0, 0, 0);
  g->ShadingType = type;
  g->Start.Colour = a;
  g->End.Colour = b;
  g->Start.X = 0.25;
  g->End.X = 1;
  g->End.Y = 0.5;
  g->Start.Radius = 0.125;
  g->End.Extend = false;
  return g;
}
}  // namespace

void BuildRichDocument(TQuarrionCanvas& canvas) {
  canvas.AddPage(0, false, true);  // a master in front
  canvas.AddPage(5, true, false);
  canvas.AddPage(5, false, false);
  auto& pages = canvas.Pages();
  for (std::size_t p = 0; p < pages.size(); ++p) {
    pages[p].Title = "Slide " + std::to_string(p) + " \xE9t\xE9";
    pages[p].MajorEntry = p % 2 ? "Part " + std::to_string(p) : "";
    pages[p].MinorEntry = std::string(300 * p, 'm');
  }
  canvas.PageWidth = 800;
  canvas.PageHeight = 600;
  canvas.FullScreen = false;
  canvas.Compressed = true;
  canvas.DocumentInfo.Title = "Rich";
  canvas.DocumentInfo.Subject = "All features";
  canvas.DocumentInfo.Author = "Tester";
  canvas.DocumentInfo.BackgroundIsGradient = true;
  canvas.DocumentInfo.BackgroundGradient = MakeGradient(3, 0x102030, 0xA0B0C0);
  canvas.Resources.Add("/pictures/one.jpg", std::string(5000, '\x01') + "tail");
  canvas.Resources.Add("C:\\two.bmp", std::string("\0BM\r\n", 5));

  for (int p = 0; p < int(pages.size()); ++p) {
    canvas.SetPage(p);
    for (const auto& entry : BuiltinRegistry().Table()) {
      auto obj = entry.Create(10 + p, 20, 110 + 3 * p, 70);
      obj->LineWidth = 1.5;
      obj->DashPattern = {3, 1};
      canvas.Add(std::move(obj));
    }
  }
  canvas.SetPage(1);
  auto rect = std::make_unique<TPDFRectangle>(30, 40, 200, 100);
  rect->Shadow = true;
  rect->ShadowX = -5;
  rect->SetGradient(MakeGradient(2, 0x0000FF, 0x00FFFF));
  auto link = std::make_unique<TPDFAnnot>(30, 40, 60, 60);
  link->LinkKind = 2;
  link->Target = "https://example.org/";
  rect->AddAnnot(std::move(link));
  canvas.Add(std::move(rect));
  canvas.Undoable = true;
  canvas.Add(std::make_unique<TPDFRectangle>(1, 2, 3, 4));
  canvas.DeleteSelected();  // stays in the page for undo, never written
  canvas.Undoable = false;
  canvas.SetPage(2);
}

void BuildSingleObjectDocument(TQuarrionCanvas& canvas, const TLookupTableManager::Entry& entry) {
  canvas.Add(entry.Create(10, 20, 110, 70));
}
