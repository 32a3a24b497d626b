#include "export/pdf_export.h"

#include "base/atomic_file_writer.h"
#include "base/file_helpers.h"
#include "model/quarrion_canvas.h"

TFileResult ExportPDF(TQuarrionCanvas& canvas, const std::string& path,
                      const TProgress& progress) {
  auto status = [&](const std::string& text) {
    if (progress) progress(text);
  };
  TFileResult result;
  if (!CanWriteTarget(path, result.Message)) return result;
  status("Generating PDF code ...");
  std::string pdf;
  canvas.GeneratePDF(pdf);
  status("Saving PDF ...");
  if (!WriteFileAtomically(path, pdf, &result.Message)) {
    status("");
    return result;
  }
  result.Bytes = static_cast<long long>(pdf.size());
  status(std::to_string(result.Bytes) + " bytes written to " + path);
  return result;
}
