// Line wrapping. The rules are those of a simple trial-and-error wrapper: try the whole
// line, then word after word, then character after character, each trial measured from
// the style the previous trial left. Done literally that re-measures the rest of the
// paragraph for every line and the line so far for every word; here each trial costs only
// what it adds:
//  - the line so far is measured once, for all four possible start styles at once, and
//    extended word by word;
//  - a trial stops measuring as soon as it is too wide (widths only grow below the tab
//    limit), and the style it would end in comes from precomputed compositions of the
//    style codes up to the next line feed or word break.
#include <array>

#include "text/display_string.h"
#include "text/style_state.h"
#include "text/text.h"

namespace {

using StateMap = std::array<std::uint8_t, 4>;  // start style -> end style
constexpr StateMap kIdentity{0, 1, 2, 3};
constexpr int kNone = -1;  // no byte follows the unit inside the trial

class TWrapper {
 public:
  TWrapper(TPDFText& text, std::string_view s)
      : text_(text), s_(s), face_(text.Face().Face), size_(text.FontSize),
        avail_(double(text.Right) - text.Left),
        monotone_(size_ >= 0 && avail_ < TabLimit) {
    Index();
  }

  std::string Run();

 private:
  struct Lanes {
    std::array<double, 4> x{0, 0, 0, 0};
    StateMap st = kIdentity;
  };

  void Index();
  std::size_t Start(std::size_t u) const { return u < starts_.size() ? starts_[u] : s_.size(); }
  int NextByte(std::size_t u) const {
    return u + 1 < starts_.size() ? int(static_cast<unsigned char>(s_[starts_[u + 1]])) : kNone;
  }
  unsigned char Code(std::size_t u) const {
    std::size_t p = starts_[u];
    return p + 1 < s_.size() ? static_cast<unsigned char>(s_[p + 1]) : 0;
  }
  // Applies unit u to (x, st); `next` is the byte after it inside the trial.
  void Apply(std::size_t u, int next, double& x, std::uint8_t& st) const;
  // Measures units [from, to) from (x, st); false as soon as it cannot fit any more.
  bool Fits(std::size_t from, std::size_t to, double x, std::uint8_t st, int lastNext) const;
  void Extend(Lanes& lanes, std::size_t u, int next) const {
    for (int k = 0; k < 4; ++k) Apply(u, next, lanes.x[k], lanes.st[k]);
  }
  void TakeLine(std::size_t pos, std::string& out);
  std::size_t TakeWords(std::size_t pos, std::string& out);
  std::size_t TakeCharacters(std::size_t pos, std::string& out);

  TPDFText& text_;
  std::string_view s_;
  const TPostScriptFontFace& face_;
  double size_;
  double avail_;
  bool monotone_;
  std::uint8_t state_ = 0;
  std::vector<std::size_t> starts_;  // byte offset of each unit (a character or a pair)
  std::vector<std::uint8_t> kind_;   // 0 text, 1 pair, 2 line feed, 3 word break
  std::vector<std::size_t> nextLF_, nextBreak_;
  std::vector<StateMap> toLF_, toBreak_;  // style compositions up to the next LF / break
};

void TWrapper::Index() {
  for (std::size_t i = 0; i < s_.size();) {
    starts_.push_back(i);
    if (s_[i] == Pair::Lead) {
      std::size_t n = PairLength(s_, i);
      // The underline-on pair ends in a space: words break there as at any space.
      kind_.push_back(n == 2 && s_[i + 1] == ' ' ? 3 : 1);
      i += n;
    } else {
      kind_.push_back(s_[i] == '\n' ? 2 : s_[i] == ' ' ? 3 : 0);
      ++i;
    }
  }
  const std::size_t n = starts_.size();
  nextLF_.assign(n + 1, n);
  nextBreak_.assign(n + 1, n);
  toLF_.assign(n + 1, kIdentity);
  toBreak_.assign(n + 1, kIdentity);
  for (std::size_t u = n; u-- > 0;) {
    nextLF_[u] = kind_[u] == 2 ? u : nextLF_[u + 1];
    nextBreak_[u] = kind_[u] == 3 ? u : nextBreak_[u + 1];
    const unsigned char code = kind_[u] == 1 ? Code(u) : 0;
    for (std::uint8_t k = 0; k < 4; ++k) {
      const std::uint8_t after = NextStyleState(k, code);
      toLF_[u][k] = kind_[u] == 2 ? k : toLF_[u + 1][after];
      toBreak_[u][k] = kind_[u] == 3 ? k : toBreak_[u + 1][after];
    }
  }
}

void TWrapper::Apply(std::size_t u, int next, double& x, std::uint8_t& st) const {
  if (kind_[u] == 1 || (kind_[u] == 3 && s_[starts_[u]] == Pair::Lead)) {
    const unsigned char code = Code(u);
    if (code == Pair::Tab) x = NextTabStop(text_.TabStops, x);
    st = NextStyleState(st, code);
    return;
  }
  const auto c = static_cast<unsigned char>(s_[starts_[u]]);
  if (c < 32) return;
  if (c == '\\' && next != kNone && !(next >= '0' && next <= '9')) return;
  x += face_.Font(st).Width(c) * size_ / 1000000.0;
}

bool TWrapper::Fits(std::size_t from, std::size_t to, double x, std::uint8_t st, int lastNext) const {
  for (std::size_t u = from; u < to; ++u) {
    Apply(u, u + 1 < to ? NextByte(u) : lastNext, x, st);
    if (monotone_ && x > avail_) return false;
  }
  return x <= avail_;
}

std::string TWrapper::Run() {
  std::string out;
  out.reserve(s_.size() + s_.size() / 8 + 16);
  state_ = text_.StyleState & 3;
  const std::size_t n = starts_.size();
  for (std::size_t pos = 0; pos < n;) {
    const std::size_t lf = nextLF_[pos];
    const bool fits = Fits(pos, lf, 0, state_, kNone);
    state_ = toLF_[pos][state_];
    if (fits) {
      TakeLine(pos, out);
      pos = lf < n ? lf + 1 : n;
      continue;
    }
    std::size_t next = TakeWords(pos, out);
    pos = next != pos ? next : TakeCharacters(pos, out);
  }
  text_.StyleState = state_;
  return out;
}

void TWrapper::TakeLine(std::size_t pos, std::string& out) {
  out.append(s_.substr(Start(pos), Start(nextLF_[pos]) - Start(pos)));
  out.push_back('\n');
}

// Whole words while they fit; returns where the rest starts (pos when none fitted).
std::size_t TWrapper::TakeWords(std::size_t pos, std::string& out) {
  const std::size_t n = starts_.size();
  Lanes line;
  std::size_t cur = pos;
  bool padded = false;  // the last word had no break after it: a space is added
  while (cur < n) {
    const std::size_t brk = nextBreak_[cur];
    // The underline-on pair leaves its lead byte at the end of the trial word.
    const int lastNext = brk < n && s_[starts_[brk]] == Pair::Lead ? 1 : kNone;
    const std::uint8_t st0 = line.st[state_];
    const bool fits = Fits(cur, brk, line.x[state_], st0, lastNext);
    state_ = toBreak_[cur][st0];
    // A word reaching across a line feed belongs to two lines: never take it here.
    if (!fits || nextLF_[cur] < brk) break;
    const std::size_t end = brk < n ? brk + 1 : n;
    for (std::size_t u = cur; u < end; ++u) Extend(line, u, NextByte(u));
    padded = brk >= n;
    cur = end;
  }
  if (cur == pos) return pos;
  std::string taken(s_.substr(Start(pos), Start(cur) - Start(pos)));
  if (padded) taken.push_back(' ');
  out.append(TPDFText::TrimLine(taken));
  out.push_back('\n');
  return cur;
}

// As many characters (a control pair counts as one) as fit, at least one.
std::size_t TWrapper::TakeCharacters(std::size_t pos, std::string& out) {
  const std::size_t n = starts_.size();
  if (kind_[pos] == 2) {
    out.push_back('\n');
    return pos + 1;
  }
  Lanes line;
  Extend(line, pos, NextByte(pos));
  std::size_t end = pos + 1;
  while (end < n && kind_[end] != 2) {
    double x = line.x[state_];
    std::uint8_t st = line.st[state_];
    Apply(end, kNone, x, st);
    state_ = st;
    if (x > avail_) break;
    Extend(line, end, NextByte(end));
    ++end;
  }
  out.append(s_.substr(Start(pos), Start(end) - Start(pos)));
  out.push_back('\n');
  // A break that reached the line feed stands in for it.
  return end < n && kind_[end] == 2 ? end + 1 : end;
}

// Carriage returns go; those inside link payloads belong to the address and stay.
std::string WithoutCarriageReturns(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    if (s[i] == Pair::Lead) {
      std::size_t n = PairLength(s, i);
      out.append(s.substr(i, n));
      i += n;
    } else {
      if (s[i] != '\r') out.push_back(s[i]);
      ++i;
    }
  }
  return out;
}

}  // namespace

std::string TPDFText::WrapText(std::string_view s) {
  if (!Wrap) return std::string(s);
  const std::string rest = WithoutCarriageReturns(s);
  return TWrapper(*this, rest).Run();
}
