#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "export/pdf_outline.h"
#include "export/spliced_output.h"
#include "export/stream_deflater.h"
#include "export/xref_table.h"
#include "model/pdf_types.h"
#include "model/quarrion_canvas.h"

// The object numbers listed under one category of the shared resource dictionary
// ("Shading", "XObject", ...), in the order the objects were written.
struct TPDFResourceSet {
  std::string Name;
  TPDFSelection Numbers;
};
using TPDFResourceSets = std::vector<TPDFResourceSet>;

// Writes a whole document as one PDF file: it numbers and places the objects and asks
// each drawing object for its resources, content and annotations. One writer serves one
// run; the canvas's current page is restored when it finishes. The slides' content is
// made in order on the caller's thread; other threads (the canvas's `ExportThreads`)
// compress pictures and, with `Compressed`, each slide's content stream while the next
// ones are made: there a slide's content is made as soon as its page's resources are
// written, while the later pages' are still to come. The file, and the order of the
// section events, are the same whatever the number of threads.
class TPDFWriter {
 public:
  explicit TPDFWriter(TQuarrionCanvas& canvas);
  ~TPDFWriter();

  // Replaces `output` with the file. Rethrows what a compressing thread threw.
  void GeneratePDF(std::string& output);
  // Replaces zlib for the content streams; a stream it fails is written uncompressed.
  void SetDeflater(TStreamDeflater deflater) { deflater_ = std::move(deflater); }

  // Appends "/Annots [n 0 R ...]\n" for `page` (its own links first, then those of
  // `master`, a page index or -1), or nothing when there are none.
  static void AppendPageAttributes(TQuarrionCanvas& canvas, int page, int master, std::string& out);

 private:
  struct FontRef {
    std::string Name;
    int Number = 0;
  };

  void Fire(bool before, TPDFSection section, int code);
  void Record(int number) { spliced_->Record(number); }
  void PrepareObjects();
  void WriteHeader();
  void WriteBackground();
  void WriteFonts();
  void WriteResources();
  void WriteObjectResources(TPDFObject& object);
  void WriteResourceObject(TPDFResource& resource);
  TPDFResourceSet& SetNamed(const std::string& name);
  void WritePageTree();
  void WritePages();
  void StartSlideEarly(int page, int master);
  void WriteSlide(int page, int slide, int master);
  void BuildContent(int page, int master);
  void WriteContentStream(int number);
  TSplicedOutput::TMakePiece CompressedContent(int number);
  void CollectOutline();
  void WriteCatalogue();
  void WriteTrailer(std::size_t xrefOffset);

  TQuarrionCanvas& canvas_;
  std::string* out_ = nullptr;
  TSplicedOutput* spliced_ = nullptr;
  TXrefTable xref_;
  std::vector<FontRef> fonts_;
  TPDFResourceSets sets_;
  std::unordered_map<std::string, std::size_t> setIndex_;
  std::size_t lastSet_ = 0;
  TPDFOutline outline_;
  int slides_ = 0;
  int next_ = 0;
  int shadingNumber_ = 0;  // 0: the background is a colour
  int outlineRoot_ = 0;    // 0: no outline written
  std::size_t objectCount_ = 0;
  TPDFResources resources_;  // reused from object to object
  std::string content_;      // the slide being made
  // Content streams started while the resources were written, one per slide in order;
  // empty when each slide's content is made in its place.
  std::vector<std::size_t> earlyPieces_;
  bool early_ = false;
  TStreamDeflater deflater_ = DeflateLevel9;
};
