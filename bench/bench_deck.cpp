#include "bench_deck.h"

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>


namespace {
constexpr int kSlides = 254;  // with the master, the 255 pages a file holds

// A small photo-like JPEG made on the spot, so the benchmark needs no sample files.
std::string MakeJPEG(int width, int height, int seed) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = JDIMENSION(width);
  c.image_height = JDIMENSION(height);
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 85, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<unsigned char> row(std::size_t(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      row[std::size_t(x) * 3] = (unsigned char)(x * 4 + seed * 40);
      row[std::size_t(x) * 3 + 1] = (unsigned char)(y * 5 + (x ^ y));
      row[std::size_t(x) * 3 + 2] = (unsigned char)((x * y + seed) & 0xFF);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  std::string out(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&c);
  std::free(buffer);
  return out;
}

TDeckItem Item(TDeckItem::Kind kind, int left, int top, int right, int bottom) {
  TDeckItem it;
  it.What = kind;
  it.Left = left, it.Top = top, it.Right = right, it.Bottom = bottom;
  return it;
}

void AddSlideItems(TDeckPage& page, int s) {
  for (int i = 0; i < 14; ++i) {  // boxes
    const int k = s * 40 + i, l = (k * 37) % 360, t = 40 + (k * 23) % 220;
    TDeckItem box = Item(TDeckItem::Box, l, t, l + 20 + k % 50, t + 15 + k % 30);
    box.Fill = TColor(0x010203 * (k % 80)), box.Stroke = TColor(0x102030 + i);
    box.LineWidth = i % 3;
    box.Gradient = i % 3 == 0 ? 2 + i % 2 : 0;
    box.Shadow = i % 5 == 0;
    page.Items.push_back(box);
  }
  for (int i = 0; i < 8; ++i) {  // lines
    TDeckItem line = Item(TDeckItem::Line, 10 + i * 50, 300, 40 + i * 45, 318 - i);
    line.Stroke = TColor(0x204060 * (i + 1)), line.LineWidth = 1 + i % 3;
    page.Items.push_back(line);
  }
  for (int i = 0; i < 6; ++i) {  // curves
    TDeckItem curve = Item(TDeckItem::Curve, 20 + i * 60, 250, 70 + i * 60, 290);
    curve.Stroke = TColor(0x0000C0 + i * 16), curve.LineWidth = 2;
    page.Items.push_back(curve);
  }
  for (int i = 0; i < 8; ++i) {  // texts, every other one with a link
    const int target = 1 + (s + i * 7) % kSlides;
    TDeckItem text = Item(TDeckItem::Text, 20 + (i % 2) * 200, 30 + i * 34, 200 + (i % 2) * 200, 62 + i * 34);
    text.Bold = i % 3 == 0;
    std::string n = std::to_string(s + 1), m = std::to_string(target);
    text.Markup = "<b>Point " + std::to_string(i + 1) + "</b> of slide " + n + ": <i>words</i> that wrap";
    text.Plain = "Point " + std::to_string(i + 1) + " of slide " + n + ": words that wrap";
    if (i % 2) {
      text.Markup += " and a <jump page=" + m + ">link to slide " + m + "</jump>";
      text.Plain += " and a link to slide " + m;
    }
    text.Markup += " inside <u>their box</u>.";
    text.Plain += " inside their box.";
    page.Items.push_back(text);
  }
  for (int i = 0; i < 2; ++i) {  // link areas
    TDeckItem link = Item(TDeckItem::Link, 380, 20 + i * 40, 420, 50 + i * 40);
    link.JumpTo = 1 + (s + 1 + i) % kSlides;
    page.Items.push_back(link);
  }
  if (s % 8 == 0) {
    TDeckItem picture = Item(TDeckItem::Picture, 300, 200, 364, 248);
    picture.Markup = "/pictures/photo" + std::to_string(s / 8 % 4) + ".jpg";
    page.Items.push_back(picture);
  }
}
}  // namespace

std::size_t TDeck::ObjectCount() const {
  std::size_t n = 0;
  for (const auto& p : Pages) n += p.Items.size();
  return n;
}

TDeck MakeBenchDeck() {
  TDeck deck;
  for (int i = 0; i < 4; ++i) {
    deck.PictureNames.push_back("/pictures/photo" + std::to_string(i) + ".jpg");
    deck.PictureBytes.push_back(MakeJPEG(64, 48, i));
  }
  TDeckPage master;
  master.IsMaster = true;
  for (int i = 0; i < 4; ++i) {
    TDeckItem band = Item(TDeckItem::Box, 0, i * 4, 432, i * 4 + 3);
    band.Fill = TColor(0x804000 + i * 0x10);
    master.Items.push_back(band);
  }
  deck.Pages.push_back(std::move(master));
  for (int s = 0; s < kSlides; ++s) {
    TDeckPage slide;
    if (s % 10 == 0) slide.MajorEntry = "Part " + std::to_string(s / 10 + 1);
    slide.MinorEntry = "Slide " + std::to_string(s + 1);
    AddSlideItems(slide, s);
    deck.Pages.push_back(std::move(slide));
  }
  return deck;
}
