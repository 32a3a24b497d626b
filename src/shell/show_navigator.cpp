#include "shell/show_navigator.h"

#include <algorithm>

#include "model/quarrion_canvas.h"

namespace {
// Slide numbers of a 255-page deck have three digits; more only ever mean a typing slip.
constexpr std::size_t kMaxTypedDigits = 3;
}  // namespace

TShowNavigator::TShowNavigator(std::vector<int> slidePages, int start)
    : slidePages_(std::move(slidePages)) {
  GoTo(start);
}

std::vector<int> TShowNavigator::SlidePagesOf(const TQuarrionCanvas& document) {
  std::vector<int> pages;
  const auto& all = document.Pages();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (!all[i].IsMaster) pages.push_back(int(i));
  return pages;
}

int TShowNavigator::StartSlideFor(const TQuarrionCanvas& document, int page) {
  const int slides = document.SlideCount();
  const int absolute = document.GetAbsolutePage(page);  // 1-based for a slide
  if (absolute < 0 || slides == 0) return 0;
  const bool master = document.Pages()[std::size_t(page)].IsMaster;
  // A master page counts the slides before it, which is the number of the next slide.
  return std::min(master ? absolute : absolute - 1, slides - 1);
}

int TShowNavigator::PageOf(int slide) const {
  if (slide < 0 || slide >= SlideCount()) return -1;
  return slidePages_[std::size_t(slide)];
}

void TShowNavigator::GoTo(int slide) {
  slide_ = std::clamp(slide, 0, std::max(SlideCount() - 1, 0));
  screen_ = TShowScreen::Slide;
  typed_.clear();
}

void TShowNavigator::TypedJump() {
  // A number outside the deck is a slip: the show stays where it is.
  const int number = std::stoi(typed_);
  typed_.clear();
  if (number >= 1 && number <= SlideCount()) slide_ = number - 1;
}

void TShowNavigator::Press(TShowInput input, int digit) {
  if (ended_) return;
  // A blank screen waits for any key, which only brings the slide back.
  if (screen_ != TShowScreen::Slide) {
    screen_ = TShowScreen::Slide;
    typed_.clear();
    return;
  }
  if (input == TShowInput::Digit) {
    if (typed_.size() < kMaxTypedDigits && digit >= 0 && digit <= 9) typed_.push_back(char('0' + digit));
    return;
  }
  if (input == TShowInput::Enter && !typed_.empty()) {
    TypedJump();
    return;
  }
  typed_.clear();
  switch (input) {
    case TShowInput::Next:
    case TShowInput::Enter:
      GoTo(slide_ + 1);
      break;
    case TShowInput::Previous:
      GoTo(slide_ - 1);
      break;
    case TShowInput::First:
      GoTo(0);
      break;
    case TShowInput::Last:
      GoTo(SlideCount() - 1);
      break;
    case TShowInput::Black:
      screen_ = TShowScreen::Black;
      break;
    case TShowInput::White:
      screen_ = TShowScreen::White;
      break;
    case TShowInput::End:
      ended_ = true;
      break;
    case TShowInput::Digit:
    case TShowInput::Other:
      break;
  }
}
