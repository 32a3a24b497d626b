#include "cairo_peer.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <vector>

#include "bench_deck.h"

namespace {
constexpr double kWidth = 432, kHeight = 324;

void SetColour(cairo_t* cr, TColor c) {
  cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void DrawBox(cairo_t* cr, const TDeckItem& it) {
  const double w = it.Right - it.Left, h = it.Bottom - it.Top;
  if (it.Shadow) {
    cairo_rectangle(cr, it.Left + 4, it.Top + 3, w, h);
    SetColour(cr, 0x808080);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, it.Left, it.Top, w, h);
  if (it.Gradient) {
    cairo_pattern_t* p = it.Gradient == 2
                             ? cairo_pattern_create_linear(it.Left, it.Top, it.Right, it.Top)
                             : cairo_pattern_create_radial(it.Left, it.Top, 0, it.Left, it.Top, w);
    const TColor end = TColor(0xFFFFFF - it.Fill);
    cairo_pattern_add_color_stop_rgb(p, 0, (it.Fill & 0xFF) / 255.0, ((it.Fill >> 8) & 0xFF) / 255.0,
                                     ((it.Fill >> 16) & 0xFF) / 255.0);
    cairo_pattern_add_color_stop_rgb(p, 1, (end & 0xFF) / 255.0, ((end >> 8) & 0xFF) / 255.0,
                                     ((end >> 16) & 0xFF) / 255.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
  } else {
    SetColour(cr, it.Fill);
    cairo_fill_preserve(cr);
  }
  SetColour(cr, it.Stroke);
  cairo_set_line_width(cr, it.LineWidth);
  cairo_stroke(cr);
}

void DrawText(cairo_t* cr, const TDeckItem& it) {
  cairo_select_font_face(cr, "Helvetica", CAIRO_FONT_SLANT_NORMAL,
                         it.Bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, 11);
  SetColour(cr, 0);
  // Two lines of about half the words each, as the layout gives these boxes.
  const std::size_t half = it.Plain.find(' ', it.Plain.size() / 2);
  const std::string first = it.Plain.substr(0, half), rest = half == std::string::npos ? "" : it.Plain.substr(half + 1);
  cairo_move_to(cr, it.Left, it.Top + 11);
  cairo_show_text(cr, first.c_str());
  cairo_move_to(cr, it.Left, it.Top + 24);
  cairo_show_text(cr, rest.c_str());
}

void DrawItem(cairo_t* cr, const TDeckItem& it, const std::vector<cairo_surface_t*>& pictures,
              const TDeck& deck) {
  switch (it.What) {
    case TDeckItem::Box: DrawBox(cr, it); break;
    case TDeckItem::Line:
    case TDeckItem::Curve:
      SetColour(cr, it.Stroke);
      cairo_set_line_width(cr, it.LineWidth);
      cairo_move_to(cr, it.Left, it.Top);
      if (it.What == TDeckItem::Line) cairo_line_to(cr, it.Right, it.Bottom);
      else cairo_curve_to(cr, it.Left, it.Bottom, it.Right, it.Top, it.Right, it.Bottom);
      cairo_stroke(cr);
      break;
    case TDeckItem::Text: DrawText(cr, it); break;
    case TDeckItem::Link: {
      const std::string attributes = "rect=[" + std::to_string(it.Left) + " " + std::to_string(it.Top) +
                                     " " + std::to_string(it.Right - it.Left) + " " +
                                     std::to_string(it.Bottom - it.Top) + "] page=" + std::to_string(it.JumpTo);
      cairo_tag_begin(cr, CAIRO_TAG_LINK, attributes.c_str());
      cairo_tag_end(cr, CAIRO_TAG_LINK);
      break;
    }
    case TDeckItem::Picture:
      for (std::size_t i = 0; i < deck.PictureNames.size(); ++i)
        if (deck.PictureNames[i] == it.Markup) {
          cairo_set_source_surface(cr, pictures[i], it.Left, it.Top);
          cairo_paint(cr);
        }
      break;
  }
}
}  // namespace

void DrawDeckWithCairo(const TDeck& deck, std::string& out) {
  out.clear();
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(Append, &out, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  // The pictures as cairo images, with their JPEG bytes attached so cairo embeds them as
  // they are, as Quarrion does.
  std::vector<cairo_surface_t*> pictures;
  for (const std::string& jpeg : deck.PictureBytes) {
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 64, 48);
    cairo_surface_set_mime_data(img, CAIRO_MIME_TYPE_JPEG, reinterpret_cast<const unsigned char*>(jpeg.data()),
                                jpeg.size(), nullptr, nullptr);
    pictures.push_back(img);
  }
  const TDeckPage& master = deck.Pages.front();
  int part = CAIRO_PDF_OUTLINE_ROOT;
  for (std::size_t p = 1; p < deck.Pages.size(); ++p) {
    const std::string dest = "page=" + std::to_string(p);
    if (!deck.Pages[p].MajorEntry.empty())
      part = cairo_pdf_surface_add_outline(surface, CAIRO_PDF_OUTLINE_ROOT, deck.Pages[p].MajorEntry.c_str(),
                                           dest.c_str(), CAIRO_PDF_OUTLINE_FLAG_OPEN);
    cairo_pdf_surface_add_outline(surface, part, deck.Pages[p].MinorEntry.c_str(), dest.c_str(),
                                  cairo_pdf_outline_flags_t(0));
    for (const TDeckItem& it : master.Items) DrawItem(cr, it, pictures, deck);
    for (const TDeckItem& it : deck.Pages[p].Items) DrawItem(cr, it, pictures, deck);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  for (cairo_surface_t* img : pictures) cairo_surface_destroy(img);
}
