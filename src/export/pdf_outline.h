#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One entry of the bookmark tree: its depth (0 to 2), the slide it opens (counted from 0
// without master pages) and its title.
struct TOutlineItem {
  int Level = 0;
  int Page = 0;
  std::string Title;
};

// The bookmark tree of one export, kept as a flat list in document order; the nesting
// follows from the levels.
class TPDFOutline {
 public:
  static constexpr int kMaxLevel = 2;
  // Title of the top entry that a list starting below level 0 gets when the document has
  // no title of its own.
  static constexpr std::string_view kDefaultTitle = "Slideshow";

  // Appends an entry. A list that would start below level 0 first gets a level-0 entry
  // for the same slide titled `documentTitle` (or kDefaultTitle when that is empty);
  // levels deeper than one below the previous entry are pulled up.
  void AddOutlineItem(int level, int page, std::string_view title, std::string_view documentTitle);

  // Appends the root (object `firstNumber`) and one object per entry numbered on from it,
  // calling `record` with each number just before its object is appended. Each entry
  // opens its slide at the top of a page `pageHeight` points high. Returns the number
  // after the last object written.
  int WriteOutlines(int firstNumber, int pageHeight, const std::function<void(int)>& record,
                    std::string& out) const;

  bool Empty() const { return items_.empty(); }
  const std::vector<TOutlineItem>& Items() const { return items_; }

 private:
  struct Links;
  std::vector<Links> ComputeLinks() const;
  void AppendItem(std::size_t i, int root, int pageHeight, const std::vector<Links>& links,
                  std::string& out) const;

  std::vector<TOutlineItem> items_;
};
