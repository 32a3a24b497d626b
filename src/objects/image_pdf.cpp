// The image's PDF and SVG output.
#include <algorithm>

#include "base/number_format.h"
#include "base/pdf_syntax.h"
#include "model/quarrion_canvas.h"
#include "objects/image.h"
#include "base/file_helpers.h"

namespace {
// The length of "/Filter /FlateDecode ", which compressed data has to pay for.
constexpr std::size_t kFlateEntryLength = 21;

void AppendNumbers(std::string& out, std::initializer_list<int> values) {
  bool first = true;
  for (int v : values) {
    if (!first) out.push_back(' ');
    AppendInt(out, v);
    first = false;
  }
}
}  // namespace

std::string TPDFImage::ImageData() const {
  if (!loaded_) return {};
  if (isJPEG_) return pictureBytes_;
  const std::size_t w = std::size_t(bitmap_.Width()), h = std::size_t(bitmap_.Height());
  const std::vector<TColor>& pixels = bitmap_.Pixels();
  std::string data;
  if (Monochrome) {
    const std::size_t rowBytes = (w + 7) / 8;
    data.assign(rowBytes * h, '\0');
    for (std::size_t y = 0; y < h; ++y)
      for (std::size_t x = 0; x < w; ++x)
        if ((pixels[y * w + x] & 0xFFFFFF) == 0xFFFFFF)
          data[y * rowBytes + x / 8] = char(data[y * rowBytes + x / 8] | (0x80 >> (x % 8)));
  } else if (Grayscale) {
    data.resize(w * h);
    for (std::size_t i = 0; i < pixels.size(); ++i) data[i] = char(RedOf(pixels[i]));
  } else {
    data.resize(3 * w * h);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      data[3 * i] = char(RedOf(pixels[i]));
      data[3 * i + 1] = char(GreenOf(pixels[i]));
      data[3 * i + 2] = char(BlueOf(pixels[i]));
    }
  }
  return data;
}

void TPDFImage::AppendXObject(std::string& body) const {
  const int r = RedOf(transparentColour_), g = GreenOf(transparentColour_),
            b = BlueOf(transparentColour_), t = tolerance_;
  const bool cmyk = isJPEG_ && jpegComponents_ == 4;
  const bool gray = isJPEG_ ? jpegComponents_ == 1 : Grayscale;
  const bool oneBit = !isJPEG_ && Monochrome;
  if (oneBit)
    body.append("/BitsPerComponent 1 /ColorSpace /DeviceGray\n");
  else if (gray)
    body.append("/BitsPerComponent 8 /ColorSpace /DeviceGray\n");
  else if (cmyk)  // as our decoder reads it: Adobe's inverted CMYK
    body.append("/BitsPerComponent 8 /ColorSpace /DeviceCMYK /Decode [1 0 1 0 1 0 1 0]\n");
  else
    body.append("/BitsPerComponent 8 /ColorSpace /DeviceRGB\n");
  if (!Transparent || cmyk) return;

  // The colour-key ranges cover exactly the pixels the screen leaves out: each channel
  // within the tolerance of the transparent colour's.
  if (oneBit) {
    const bool black = std::max({r, g, b}) <= t, white = std::min({r, g, b}) >= 255 - t;
    if (!black && !white) return;
    body.append("/Mask [");
    AppendNumbers(body, {black ? 0 : 1, white ? 1 : 0});
    body.append("]\n");
  } else if (gray) {
    const int lo = std::max(0, std::max({r, g, b}) - t), hi = std::min(255, std::min({r, g, b}) + t);
    if (lo > hi) return;
    body.append("/Mask [");
    AppendNumbers(body, {lo, hi});
    body.append("]\n");
  } else {
    body.append("/Mask [");
    AppendNumbers(body, {std::max(0, r - t), std::min(255, r + t), std::max(0, g - t),
                         std::min(255, g + t), std::max(0, b - t), std::min(255, b + t)});
    body.append("]\n");
  }
}

void TPDFImage::PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) {
  std::string data = ImageData();
  if (loaded_ && !data.empty()) {
    XObjectNumber = firstNumber++;
    TPDFResource res{"XObject", {}, true, {}};
    std::string& body = res.Body;
    body.reserve(data.size() + 200);
    body.append("<</Type /XObject /Subtype /Image\n/Width ");
    AppendInt(body, bitmap_.Width());
    body.append(" /Height ");
    AppendInt(body, bitmap_.Height());
    body.push_back('\n');
    AppendXObject(body);
    if (isJPEG_)
      AppendStream(body, "/Filter /DCTDecode ", data);
    else if (canvas.DeferResourceBodies)
      res.Finish = [data = std::move(data)](std::string& rest) { AppendPackedStream(rest, data); };
    else
      AppendPackedStream(body, data);
    resources.push_back(std::move(res));
  }
  TPDFObject::PDFResources(canvas, firstNumber, resources);
}

void TPDFImage::AppendStream(std::string& body, const char* filter, std::string_view data) {
  body.append(filter);
  body.append("/Length ");
  AppendInt(body, static_cast<long long>(data.size()));
  body.append(">>\nstream\n").append(data).append("\nendstream");
}

// Compressed unless that costs more than the filter entry's length: outputs others
// compare rely on this rule, so it stays even where it gains nothing.
void TPDFImage::AppendPackedStream(std::string& body, std::string_view data) {
  const std::string packed = CompressString(data);
  if (packed.size() < data.size() + kFlateEntryLength)
    AppendStream(body, "/Filter /FlateDecode ", packed);
  else
    AppendStream(body, "", data);
}

void TPDFImage::PDFCode(TQuarrionCanvas& canvas, std::string& out) {
  out.append(canvas.EndPDFText());
  if (imageFileName_.empty() || !loaded_) return;
  out.append("q ");
  AppendInt(out, static_cast<long long>(Right) - Left);
  out.append(" 0 0 ");
  AppendInt(out, static_cast<long long>(Bottom) - Top);
  out.push_back(' ');
  AppendInt(out, Left);
  out.push_back(' ');
  AppendInt(out, static_cast<long long>(canvas.PageHeight) - Bottom);
  out.append(" cm\n/XObject");
  AppendInt(out, XObjectNumber);
  out.append(" Do Q\n");
}

std::string TPDFImage::NamePart(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void TPDFImage::SVGResources(TQuarrionCanvas& canvas, TResources& resources) {
  // The bytes the picture was decoded from, so the side file is the picture shown even
  // when the file on disk has changed or gone since.
  if (loaded_ && !pictureBytes_.empty())
    resources.push_back({imageFileName_, pictureBytes_, NamePart(imageFileName_)});
  TPDFObject::SVGResources(canvas, resources);
}

void TPDFImage::SVGCode(TQuarrionCanvas& canvas, std::string& out) {
  if (!imageFileName_.empty() && loaded_) {
    out.append("<image xlink:href=\"");
    AppendEscaped(out, NamePart(imageFileName_), true);
    out.append("\" ");
    AppendSVGGeometry(out, Left, Top);
    out.append("\"/>\n");
  }
  TPDFObject::SVGCode(canvas, out);
}
