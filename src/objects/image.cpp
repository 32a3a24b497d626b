#include "objects/image.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#include "model/byte_reader.h"
#include "model/byte_writer.h"
#include "model/picture_decoder.h"
#include "model/quarrion_canvas.h"
#include "model/surface.h"
#include "objects/gradient.h"
#include "base/file_helpers.h"
#include "model/resource_manager.h"

namespace {
constexpr int kPlaceholderSize = 32;

// n / d rounded to the nearest integer, halves to even; d > 0.
long long DivideRoundingHalfEven(long long n, long long d) {
  long long q = n / d, r = n % d;
  if (r < 0) {
    q -= 1;
    r += d;
  }
  if (2 * r > d || (2 * r == d && (q & 1))) ++q;
  return q;
}

bool WithinTolerance(TColor c, TColor key, int tolerance) {
  return std::abs(int(RedOf(c)) - int(RedOf(key))) <= tolerance &&
         std::abs(int(GreenOf(c)) - int(GreenOf(key))) <= tolerance &&
         std::abs(int(BlueOf(c)) - int(BlueOf(key))) <= tolerance;
}
}  // namespace

TPDFImage::TPDFImage(int left, int top, int /*right*/, int /*bottom*/)
    : TPDFImage(left, std::string(), top) {}

TPDFImage::TPDFImage(int left, const std::string& name, int top)
    : TPDFObject(left, top, left, top) {
  if (!name.empty()) LoadImage(name);
  Right = ClampCoord(static_cast<long long>(Left) + (loaded_ ? bitmap_.Width() : kPlaceholderSize));
  Bottom = ClampCoord(static_cast<long long>(Top) + (loaded_ ? bitmap_.Height() : kPlaceholderSize));
  PreserveAspect = true;
  storeInFile_ = false;
  // A new image is written with 8 bits per sample even when it is black and white; the
  // next load of the picture (opening the document again) detects it.
  Monochrome = false;
  HelpContext = 1505;
}

std::unique_ptr<TPDFObject> TPDFImage::CreateBlank() const {
  return std::make_unique<TPDFImage>(0, 0, 0, 0);
}

TResourceManager* TPDFImage::Store() const { return Owner() ? &Owner()->Resources : nullptr; }

bool TPDFImage::LoadImage(const std::string& name) {
  if (name.size() > kMaxNameLength) {
    // The saved form keeps 255 bytes of a name; a longer one would come back cut off and
    // point at another file, so it never gets in.
    if (Owner())
      Owner()->Log("Picture not loaded: its file name is longer than 255 bytes: " + name);
    return false;
  }
  if (name == imageFileName_) return loaded_;
  if (storeInFile_) ReleaseStoredName(imageFileName_);
  imageFileName_ = name;
  LoadPicture();
  return loaded_;
}

void TPDFImage::LoadPicture() {
  maskCache_.reset();
  TResourceManager* store = Store();
  const bool held = store && store->IndexOf(imageFileName_) >= 0;
  std::string bytes;
  bool read = false;
  if (held) {
    bytes = store->GetData(imageFileName_);
    read = true;
  } else if (!imageFileName_.empty()) {
    read = ReadFileBytes(imageFileName_, bytes);
  }
  if (store && read) {
    if (held)
      storeInFile_ = true;
    else if (storeInFile_)
      store->Add(imageFileName_, bytes);
  }
  TDecodedPicture picture;
  bool decoded = false;
  if (read) {
    try {
      // A stored picture is decoded through the store, which may already hold its pixels.
      decoded = held ? store->DecodePicture(imageFileName_, CurrentPictureDecoder(), picture)
                     : CurrentPictureDecoder().Decode(bytes, picture);
    } catch (const std::bad_alloc&) {
      decoded = false;  // within the pixel cap but still more than this machine has
    }
  }
  if (decoded)
    TakePicture(std::move(picture), std::move(bytes));
  else
    ForgetPicture();
}

void TPDFImage::TakePicture(TDecodedPicture&& picture, std::string&& bytes) {
  bitmap_ = std::move(picture.Bitmap);
  if (picture.HasTransparency) {
    Transparent = true;
    transparentColour_ = kPictureKeyColour;
  }
  isJPEG_ = picture.Format == TPictureFormat::JPEG;
  jpegComponents_ = isJPEG_ ? picture.Components : 0;
  pictureBytes_ = std::move(bytes);
  ClassifyPixels();
  ApplyAspect();
  loaded_ = true;
}

void TPDFImage::ForgetPicture() {
  bitmap_ = TBitmap();
  maskCache_.reset();
  pictureBytes_.clear();
  isJPEG_ = false;
  jpegComponents_ = 0;
  loaded_ = false;
}

void TPDFImage::ClassifyPixels() {
  if (isJPEG_) {
    Grayscale = jpegComponents_ == 1;
    Monochrome = false;
    return;
  }
  Monochrome = true;
  Grayscale = true;
  for (TColor c : bitmap_.Pixels()) {
    c &= 0xFFFFFF;
    if (c != 0 && c != 0xFFFFFF) Monochrome = false;
    if (RedOf(c) != GreenOf(c) || RedOf(c) != BlueOf(c)) Grayscale = false;
    if (!Monochrome && !Grayscale) break;
  }
}

void TPDFImage::SetStoreInFile(bool value) {
  if (value == storeInFile_) return;
  storeInFile_ = value;
  TResourceManager* store = Store();
  // Without a document yet, joining one (SetOwner) stores the picture.
  if (!store || imageFileName_.empty()) return;
  if (!value) {
    ReleaseStoredName(imageFileName_);
    return;
  }
  std::string bytes;
  if (ReadFileBytes(imageFileName_, bytes))
    store->Add(imageFileName_, bytes);
  else if (loaded_)
    store->Add(imageFileName_, pictureBytes_);  // the file is gone; keep what is shown
}

void TPDFImage::ReleaseStoredName(const std::string& name) {
  TResourceManager* store = Store();
  if (!store || name.empty()) return;
  // Several images may show one stored picture; the last one to let go removes it.
  for (const TPage& page : Owner()->Pages())
    for (const auto& obj : page.Objects) {
      if (obj.get() == this || !obj->IsA(ClassId::Image)) continue;
      const auto& other = static_cast<const TPDFImage&>(*obj);
      if (other.storeInFile_ && other.imageFileName_ == name) return;
    }
  store->Remove(name);
}

void TPDFImage::SetOwner(TQuarrionCanvas* owner) {
  TPDFObject::SetOwner(owner);
  TResourceManager* store = Store();
  if (!store || imageFileName_.empty()) return;
  // A picture the store holds wins over the file on disk, whatever the stored flag says
  // (files from other writers): one read before the object had a document is replaced.
  const bool held = store->IndexOf(imageFileName_) >= 0;
  if (!loaded_ || (held && !storeInFile_))
    LoadPicture();
  else if (storeInFile_ && !held)
    store->Add(imageFileName_, pictureBytes_);
}

void TPDFImage::SetTransparentColour(TColor colour) {
  transparentColour_ = colour & 0xFFFFFF;  // the saved form holds red, green and blue
  maskCache_.reset();
}

void TPDFImage::SetTolerance(int value) {
  tolerance_ = std::clamp(value, 0, 255);
  maskCache_.reset();
}

void TPDFImage::ApplyAspect() {
  if (!PreserveAspect || bitmap_.Width() <= 0) return;
  long long n = static_cast<long long>(bitmap_.Height()) * (static_cast<long long>(Right) - Left);
  Bottom = ClampCoord(Top + DivideRoundingHalfEven(n, bitmap_.Width()));
  if (auto* g = Gradient()) g->PlaceGradient(*this);
}

void TPDFImage::MoveEdges(int edges, int dx, int dy) {
  TPDFObject::MoveEdges(edges, dx, dy);
  ApplyAspect();
}

void TPDFImage::Normalise() {
  TPDFObject::Normalise();
  if (Right < Left) std::swap(Left, Right);
  if (Bottom < Top) std::swap(Top, Bottom);
  ApplyAspect();
}

void TPDFImage::BuildMaskCache() {
  auto cache = std::make_unique<TBitmap>(bitmap_);
  cache->HasTransparentColour = true;
  cache->TransparentColour = transparentColour_;
  if (tolerance_ > 0)
    for (TColor& c : cache->Pixels())
      if (WithinTolerance(c, transparentColour_, tolerance_)) c = transparentColour_;
  maskCache_ = std::move(cache);
}

void TPDFImage::Draw(TQuarrionCanvas& canvas) {
  Surface* s = canvas.SecondCanvas();
  if (!s) return;
  TRect r = ScreenRect(canvas, Left, Top, Right, Bottom);
  if (imageFileName_.empty() || !loaded_) {
    s->SetPen({0, 1, TPenStyle::Solid, TPenMode::Not});
    s->SetBrush({0, TBrushStyle::Clear});
    s->Rectangle(r);
    s->Line({r.Left, r.Top}, {r.Right, r.Bottom});
    s->Line({r.Left, r.Bottom}, {r.Right, r.Top});
    return;
  }
  if (!Transparent) {
    s->StretchDraw(r, bitmap_);
    return;
  }
  if (!maskCache_) BuildMaskCache();
  s->StretchDraw(r, *maskCache_);
}

void TPDFImage::AssignAppearanceTo(TPDFObject& dest) const {
  if (!dest.IsA(ClassId::Image) || &dest == this) return;
  TPDFObject::AssignAppearanceTo(dest);
  auto& d = static_cast<TPDFImage&>(dest);
  d.PreserveAspect = PreserveAspect;
  d.imageFileName_.clear();
  d.storeInFile_ = storeInFile_;
  if (loaded_) {
    // The decoded picture is taken over rather than read again: the copy shows the same
    // picture even when its file has gone (a stored picture) and costs no decoding.
    d.imageFileName_ = imageFileName_;
    d.maskCache_.reset();
    d.bitmap_ = bitmap_;
    d.pictureBytes_ = pictureBytes_;
    d.isJPEG_ = isJPEG_;
    d.jpegComponents_ = jpegComponents_;
    d.ClassifyPixels();
    d.ApplyAspect();
    d.loaded_ = true;
    if (TResourceManager* store = d.Store()) {
      if (store->IndexOf(imageFileName_) >= 0)
        d.storeInFile_ = true;
      else if (d.storeInFile_)
        store->Add(imageFileName_, pictureBytes_);
    }
  } else {
    d.LoadImage(imageFileName_);
  }
  d.SetTransparentColour(transparentColour_);
  d.Transparent = Transparent;
  d.SetTolerance(tolerance_);
}

void TPDFImage::SaveToString(std::string& out) const {
  TPDFObject::SaveToString(out);
  ByteWriter w(out);
  w.Byte(static_cast<long long>(imageFileName_.size()), "length of the picture file name");
  w.Append(imageFileName_);
  w.Colour(transparentColour_);
  w.Byte(tolerance_, "transparency tolerance");
  w.Flags(std::uint8_t((PreserveAspect ? 1 : 0) | (storeInFile_ ? 2 : 0) | (Transparent ? 4 : 0)));
  w.Zeros(11);
}

void TPDFImage::LoadFromString(ByteReader& in) {
  TPDFObject::LoadFromString(in);
  std::size_t length = in.Byte("length of the picture file name");
  std::string name(in.Bytes(length, "picture file name"));
  TColor colour = in.Colour("transparent colour");
  int tolerance = in.Byte("transparency tolerance");
  std::uint8_t flags = in.Byte("image flags");
  in.Skip(11, "image reserved bytes");

  // Known before the picture is loaded, so that loading does not reshape a picture that
  // was deliberately stretched.
  PreserveAspect = flags & 1;
  const bool stored = flags & 2;
  if (stored && !Store() && name != imageFileName_) {
    // A stored picture needs the document's store; SetOwner loads it.
    imageFileName_ = name;
    ForgetPicture();
    storeInFile_ = true;
  } else {
    LoadImage(name);
  }
  SetTransparentColour(colour);
  SetTolerance(tolerance);
  SetStoreInFile(stored);
  Transparent = flags & 4;
}
