#include "support/pdf_tools.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

extern char** environ;

bool ToolAvailable(const std::string& program) {
  const char* path = std::getenv("PATH");
  if (!path) return false;
  std::stringstream dirs(path);
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (dir.empty()) continue;
    if (access((dir + "/" + program).c_str(), X_OK) == 0) return true;
  }
  return false;
}

namespace {
std::string TempDir() {
  const char* t = std::getenv("TMPDIR");
  return t && *t ? t : "/tmp";
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

TempFile::TempFile(std::string_view content, std::string_view suffix) {
  std::string pattern = TempDir() + "/quarrion-test-XXXXXX" + std::string(suffix);
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = mkstemps(name.data(), int(suffix.size()));
  if (fd < 0) return;
  path_ = name.data();
  std::size_t done = 0;
  while (done < content.size()) {
    ssize_t n = write(fd, content.data() + done, content.size() - done);
    if (n <= 0) break;
    done += std::size_t(n);
  }
  close(fd);
}

TempFile::~TempFile() {
  if (!path_.empty()) std::remove(path_.c_str());
}

ToolResult RunTool(const std::vector<std::string>& argv) {
  ToolResult result;
  TempFile capture("", ".txt");
  if (capture.Path().empty() || argv.empty()) return result;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, capture.Path().c_str(), O_WRONLY | O_TRUNC, 0);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return result;
  int status = 0;
  if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.ExitCode = WEXITSTATUS(status);
  result.Output = ReadAll(capture.Path());
  return result;
}

ToolResult QpdfCheck(const std::string& pdf) {
  TempFile file(pdf);
  return RunTool({"qpdf", "--check", file.Path()});
}

std::string QpdfJson(const std::string& pdf) {
  TempFile file(pdf);
  ToolResult r = RunTool({"qpdf", "--json=2", "--json-key=pages", "--json-key=outlines",
                          "--json-key=qpdf", file.Path()});
  return r.ExitCode == 0 ? r.Output : std::string();
}

std::uint32_t RenderedPage::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width || y >= Height) return 0xFFFFFFFFu;
  const std::size_t i = (std::size_t(y) * std::size_t(Width) + std::size_t(x)) * 3;
  return std::uint32_t(Rgb[i]) | std::uint32_t(Rgb[i + 1]) << 8 | std::uint32_t(Rgb[i + 2]) << 16;
}

namespace {
// Reads a binary PPM (P6, maxval 255) as pdftoppm writes it.
RenderedPage ParsePpm(const std::string& data) {
  RenderedPage page;
  std::size_t pos = 0;
  auto token = [&]() {
    while (pos < data.size()) {
      if (data[pos] == '#') {
        while (pos < data.size() && data[pos] != '\n') ++pos;
      } else if (std::isspace(static_cast<unsigned char>(data[pos]))) {
        ++pos;
      } else {
        break;
      }
    }
    std::size_t start = pos;
    while (pos < data.size() && !std::isspace(static_cast<unsigned char>(data[pos]))) ++pos;
    return data.substr(start, pos - start);
  };
  if (token() != "P6") return page;
  int w = std::atoi(token().c_str());
  int h = std::atoi(token().c_str());
  if (token() != "255" || w <= 0 || h <= 0) return page;
  ++pos;  // the single blank after the header
  const std::size_t size = std::size_t(w) * std::size_t(h) * 3;
  if (data.size() < pos + size) return page;
  page.Width = w;
  page.Height = h;
  page.Rgb.assign(data.begin() + long(pos), data.begin() + long(pos + size));
  return page;
}
}  // namespace

RenderedPage RenderPage(const std::string& pdf, int pageFrom1) {
  TempFile file(pdf);
  TempFile image("", ".ppm");
  const std::string number = std::to_string(pageFrom1);
  std::string prefix = image.Path().substr(0, image.Path().size() - 4);
  ToolResult r = RunTool({"pdftoppm", "-r", "72", "-f", number, "-l", number, "-singlefile",
                          "-aa", "no", "-aaVector", "no", file.Path(), prefix});
  if (r.ExitCode != 0) return {};
  return ParsePpm(ReadAll(image.Path()));
}

std::string Inflate(std::string_view data) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return {};
  std::string out;
  char buf[16384];
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = uInt(data.size());
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(buf, sizeof buf - z.avail_out);
    if (rc == Z_BUF_ERROR && z.avail_in == 0) break;
  }
  const bool complete = rc == Z_STREAM_END && z.avail_in == 0;
  inflateEnd(&z);
  return complete ? out : std::string();
}

namespace {
struct XrefEntry {
  long long Offset = 0;
  bool InUse = false;
};

// Entries of the single subsection "0 N"; empty when the section cannot be read.
std::vector<XrefEntry> ReadXref(const std::string& pdf, std::vector<std::string>* problems) {
  auto fail = [&](const std::string& why) {
    if (problems) problems->push_back(why);
    return std::vector<XrefEntry>();
  };
  const std::size_t sx = pdf.rfind("startxref\n");
  if (sx == std::string::npos) return fail("no startxref");
  const long long at = std::atoll(pdf.c_str() + sx + 10);
  if (at < 0 || std::size_t(at) + 5 > pdf.size() || pdf.compare(std::size_t(at), 5, "xref\n") != 0)
    return fail("startxref does not point at \"xref\"");
  std::size_t pos = std::size_t(at) + 5;
  int first = 0, count = 0, used = 0;
  if (std::sscanf(pdf.c_str() + pos, "%d %d\n%n", &first, &count, &used) != 2 || first != 0)
    return fail("bad subsection header");
  pos += std::size_t(used);
  std::vector<XrefEntry> entries;
  for (int n = 0; n < count; ++n, pos += 20) {
    if (pos + 20 > pdf.size()) return fail("section cut short");
    const std::string line = pdf.substr(pos, 20);
    if (line[10] != ' ' || line[16] != ' ' || line[18] != ' ' || line[19] != '\n')
      return fail("entry " + std::to_string(n) + " is not 20 bytes: " + line);
    entries.push_back({std::atoll(line.c_str()), line[17] == 'n'});
  }
  return entries;
}
}  // namespace

std::vector<std::string> CheckXrefOffsets(const std::string& pdf) {
  std::vector<std::string> problems;
  std::vector<XrefEntry> entries = ReadXref(pdf, &problems);
  for (std::size_t n = 0; n < entries.size(); ++n) {
    if (!entries[n].InUse) continue;
    const std::string header = std::to_string(n) + " 0 obj";
    const auto off = std::size_t(entries[n].Offset);
    if (off + header.size() > pdf.size() || pdf.compare(off, header.size(), header) != 0)
      problems.push_back("object " + std::to_string(n) + " is not at offset " + std::to_string(off));
  }
  return problems;
}

std::string ObjectText(const std::string& pdf, int number) {
  std::vector<XrefEntry> entries = ReadXref(pdf, nullptr);
  if (number < 0 || std::size_t(number) >= entries.size() || !entries[std::size_t(number)].InUse)
    return {};
  const auto start = std::size_t(entries[std::size_t(number)].Offset);
  const std::size_t stream = pdf.find(" stream\n", start);
  std::size_t end = pdf.find("endobj", start);
  if (end == std::string::npos) return {};
  // A stream may itself hold "endobj"; skip its data.
  if (stream != std::string::npos && stream < end) end = pdf.find("endobj", pdf.find("\nendstream", stream));
  return end == std::string::npos ? std::string() : pdf.substr(start, end + 6 - start);
}

std::string StreamOf(const std::string& pdf, int number) {
  const std::string obj = ObjectText(pdf, number);
  const std::size_t begin = obj.find(" stream\n");
  const std::size_t end = obj.rfind("\nendstream");
  if (begin == std::string::npos || end == std::string::npos || end < begin + 8) return {};
  return obj.substr(begin + 8, end - begin - 8);
}
