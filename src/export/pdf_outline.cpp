#include "export/pdf_outline.h"

#include <algorithm>

#include "base/number_format.h"
#include "base/pdf_syntax.h"

// Tree links of one entry, as indexes into the list (-1 for none). `End` is the index of
// the first later entry that is not a descendant.
struct TPDFOutline::Links {
  int Parent = -1;
  int Prev = -1;
  int Next = -1;
  int LastChild = -1;
  int End = 0;
};

void TPDFOutline::AddOutlineItem(int level, int page, std::string_view title,
                                 std::string_view documentTitle) {
  if (items_.empty() && level >= 1)
    items_.push_back({0, page, std::string(documentTitle.empty() ? kDefaultTitle : documentTitle)});
  level = std::clamp(level, 0, kMaxLevel);
  if (!items_.empty() && level > items_.back().Level + 1) level = items_.back().Level + 1;
  items_.push_back({level, page, std::string(title)});
}

// One pass with the last entry seen per level and a stack of entries whose descendants
// are still being read: linear in the number of entries.
std::vector<TPDFOutline::Links> TPDFOutline::ComputeLinks() const {
  const int n = int(items_.size());
  std::vector<Links> links(std::size_t(n), Links{-1, -1, -1, -1, n});
  int lastAt[kMaxLevel + 1] = {-1, -1, -1};
  std::vector<int> open;
  open.reserve(kMaxLevel + 1);
  for (int i = 0; i < n; ++i) {
    const int level = items_[std::size_t(i)].Level;
    while (!open.empty() && items_[std::size_t(open.back())].Level >= level) {
      links[std::size_t(open.back())].End = i;
      open.pop_back();
    }
    Links& l = links[std::size_t(i)];
    l.Parent = level == 0 ? -1 : lastAt[level - 1];
    l.Prev = lastAt[level];
    if (l.Prev >= 0) links[std::size_t(l.Prev)].Next = i;
    if (l.Parent >= 0) links[std::size_t(l.Parent)].LastChild = i;
    lastAt[level] = i;
    for (int d = level + 1; d <= kMaxLevel; ++d) lastAt[d] = -1;
    open.push_back(i);
  }
  return links;
}

namespace {
void AppendRef(std::string& out, const char* key, long long number) {
  out.append(key);
  AppendInt(out, number);
  out.append(" 0 R\n");
}
}  // namespace

void TPDFOutline::AppendItem(std::size_t i, int root, int pageHeight,
                             const std::vector<Links>& links, std::string& out) const {
  const TOutlineItem& item = items_[i];
  const Links& l = links[i];
  const long long self = root + 1LL + static_cast<long long>(i);
  AppendInt(out, self);
  out.append(" 0 obj <<\n");
  AppendRef(out, "/Parent ", l.Parent < 0 ? root : root + 1LL + l.Parent);
  AppendPDFDestination(out, item.Page, 0, 0, pageHeight);
  out.append("/Title ");
  AppendPDFTextString(out, item.Title);
  out.push_back('\n');
  if (l.Prev >= 0) AppendRef(out, "/Prev ", root + 1LL + l.Prev);
  if (l.Next >= 0) AppendRef(out, "/Next ", root + 1LL + l.Next);
  const bool hasChildren = i + 1 < items_.size() && items_[i + 1].Level == item.Level + 1;
  if (hasChildren) {
    out.append("/Count ");
    AppendInt(out, l.End - static_cast<long long>(i) - 1);
    out.push_back('\n');
    AppendRef(out, "/First ", self + 1);
    AppendRef(out, "/Last ", root + 1LL + l.LastChild);
  }
  out.append(">> endobj\n\n");
}

int TPDFOutline::WriteOutlines(int firstNumber, int pageHeight,
                              const std::function<void(int)>& record, std::string& out) const {
  const std::vector<Links> links = ComputeLinks();
  int lastTop = 0;
  for (std::size_t i = 0; i < items_.size(); ++i)
    if (items_[i].Level == 0) lastTop = int(i);
  out.reserve(out.size() + 64 + 160 * items_.size());
  record(firstNumber);
  AppendInt(out, firstNumber);
  out.append(" 0 obj <<\n/Type /Outlines /Count ");
  AppendInt(out, static_cast<long long>(items_.size()));
  out.append("\n /First ");
  AppendInt(out, firstNumber + 1LL);
  out.append(" 0 R /Last ");
  AppendInt(out, firstNumber + 1LL + lastTop);
  out.append(" 0 R\n>> endobj\n\n");
  for (std::size_t i = 0; i < items_.size(); ++i) {
    record(firstNumber + 1 + int(i));
    AppendItem(i, firstNumber, pageHeight, links, out);
  }
  return firstNumber + 1 + int(items_.size());
}
