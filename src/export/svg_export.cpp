#include "export/svg_export.h"

#include <filesystem>
#include <unordered_set>

#include <sys/stat.h>

#include "export/svg_side_files.h"
#include "export/svg_writer.h"
#include "model/quarrion_canvas.h"
#include "base/atomic_file_writer.h"

namespace {
// The atomic writer follows a symbolic link to replace the file it names; a picture's
// name comes from the document, so a link planted under that name must not lead the
// write out of the folder.
bool IsSymbolicLink(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

std::string WriteSideFile(const std::string& folder, const TResource& file,
                          std::unordered_set<std::string>& written) {
  // The writer already gave every picture a safe name; anything else here did not come
  // from it and is refused rather than trusted.
  if (file.FileName.empty() || TSVGSideFiles::SafeName(file.FileName) != file.FileName)
    return "unsafe picture name \"" + file.FileName + "\"";
  if (!written.insert(file.FileName).second)
    return "picture name \"" + file.FileName + "\" used twice";
  std::string target = (std::filesystem::path(folder) / file.FileName).string();
  if (IsSymbolicLink(target)) return "not following the symbolic link " + target;
  std::string reason;
  if (!WriteFileAtomically(target, file.Text, &reason)) return reason;
  return {};
}
}  // namespace

bool WriteSVGExport(TQuarrionCanvas& canvas, const std::string& path, std::string* error,
                    TSVGExportReport* report, const TSVGExportStatus& onStatus) {
  auto status = [&](const std::string& text) {
    if (onStatus) onStatus(text);
  };
  std::filesystem::path svgPath(path);
  std::string folder = svgPath.parent_path().string();
  if (folder.empty()) folder.assign(1, '.');  // not = ".": GCC 12 -O3 misreports -Wrestrict

  std::string text;
  TResources sideFiles;
  TSVGWriter writer(canvas);
  writer.ReserveFileName(svgPath.filename().string());
  writer.Write(text, sideFiles);

  status("Saving SVG ...");
  std::string reason;
  if (!WriteFileAtomically(path, text, &reason)) {
    if (error) *error = reason;
    return false;
  }
  if (report) report->SVGBytes = text.size();

  std::string failures;
  std::unordered_set<std::string> written;
  for (const TResource& file : sideFiles) {
    status("Saving resource " + file.FileName + " ...");
    std::string failure = WriteSideFile(folder, file, written);
    if (failure.empty()) {
      if (report) report->SideFiles.push_back(file.FileName);
      continue;
    }
    if (!failures.empty()) failures.append("; ");
    failures.append(failure);
  }
  if (failures.empty()) return true;
  if (error) *error = "some pictures were not written: " + failures;
  return false;
}

TFileResult ExportSVG(TQuarrionCanvas& canvas, const std::string& path,
                      const TProgress& progress) {
  auto status = [&](const std::string& text) {
    if (progress) progress(text);
  };
  TFileResult result;
  if (!CanWriteTarget(path, result.Message)) return result;
  status("Generating SVG code ...");
  TSVGExportReport report;
  if (!WriteSVGExport(canvas, path, &result.Message, &report, progress)) {
    status("");
    return result;
  }
  result.Bytes = static_cast<long long>(report.SVGBytes);
  status(std::to_string(result.Bytes) + " bytes written to " + path);
  return result;
}
