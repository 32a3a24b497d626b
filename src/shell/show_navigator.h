#pragma once

#include <string>
#include <vector>

class TQuarrionCanvas;

// What a key or click asks of a running slide show; the window maps its keys onto these.
enum class TShowInput { Next, Previous, First, Last, Digit, Enter, Black, White, End, Other };

// What the show puts on the screen.
enum class TShowScreen { Slide, Black, White };

// Where a slide show stands and how keys move it: the slide shown, a blank screen, a slide
// number being typed, and whether the show has ended. Slides are counted from 0 without
// the master pages, which are never shown on their own.
class TShowNavigator {
 public:
  // `slidePages` holds the page index of each slide in order; the show starts at slide
  // `start` (kept inside the deck).
  TShowNavigator(std::vector<int> slidePages, int start);

  // The slide pages of `document` in order.
  static std::vector<int> SlidePagesOf(const TQuarrionCanvas& document);
  // The slide a show from page `page` starts at: the page itself, or for a master page
  // the first slide after it (the last slide when none follows).
  static int StartSlideFor(const TQuarrionCanvas& document, int page);

  // Acts on one input; `digit` (0-9) goes with TShowInput::Digit.
  void Press(TShowInput input, int digit = 0);
  // A jump from a link: to slide `slide`, kept inside the deck.
  void GoTo(int slide);

  int Slide() const { return slide_; }
  int SlideCount() const { return int(slidePages_.size()); }
  // The page index of the slide shown.
  int PageIndex() const { return PageOf(slide_); }
  // The page index of slide `slide`, or -1 outside the deck.
  int PageOf(int slide) const;
  TShowScreen Screen() const { return screen_; }
  bool Ended() const { return ended_; }
  // The digits typed so far, shown to the presenter while a number is entered.
  const std::string& TypedNumber() const { return typed_; }

 private:
  void TypedJump();

  std::vector<int> slidePages_;
  int slide_ = 0;
  TShowScreen screen_ = TShowScreen::Slide;
  bool ended_ = false;
  std::string typed_;
};
