#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/bitmap.h"
#include "model/pdf_object.h"

class TResourceManager;
struct TDecodedPicture;

// A picture file shown in a rectangle of the page. The picture is decoded once into
// Bitmap, which serves the screen and the PDF samples; a JPEG goes to PDF unchanged. The
// file either stays outside the document or travels inside it through the owning
// canvas's resource store (StoreInFile).
class TPDFImage : public TPDFObject {
 public:
  // An image without a picture (a 32 x 32 placeholder).
  TPDFImage(int left, int top, int right, int bottom);
  // An image of the picture file `name`, one point per pixel, its top-left at (left, top).
  TPDFImage(int left, const std::string& name, int top);

  std::uint8_t ClassID() const override { return ClassId::Image; }
  std::unique_ptr<TPDFObject> CreateBlank() const override;

  // Names longer than the saved form holds.
  static constexpr std::size_t kMaxNameLength = 255;

  // Takes the picture named `name` (a path, and the key in the resource store). True
  // when it was decoded. An undecodable picture is kept as a placeholder; a name longer
  // than kMaxNameLength is refused outright (logged, nothing changes).
  bool LoadImage(const std::string& name);
  void SetStoreInFile(bool value);
  void SetTransparentColour(TColor colour);
  // Clamped to 0..255.
  void SetTolerance(int value);

  const std::string& ImageFileName() const { return imageFileName_; }
  bool StoreInFile() const { return storeInFile_; }
  TColor TransparentColour() const { return transparentColour_; }
  int Tolerance() const { return tolerance_; }
  bool Loaded() const { return loaded_; }
  bool IsJPEG() const { return isJPEG_; }
  const TBitmap& Bitmap() const { return bitmap_; }
  // The transparent copy drawn on screen; none until the first transparent Draw.
  const TBitmap* MaskCache() const { return maskCache_.get(); }
  // The bytes of the file the picture was decoded from.
  const std::string& PictureBytes() const { return pictureBytes_; }

  // Geometry: the height follows the width while PreserveAspect is set.
  void MoveEdges(int edges, int dx, int dy) override;
  void Normalise() override;

  void Draw(TQuarrionCanvas& canvas) override;

  // Output (image_pdf.cpp).
  // The PDF samples: the JPEG file itself, or rows of 1-bit, gray or RGB samples.
  std::string ImageData() const;
  void PDFResources(TQuarrionCanvas& canvas, int firstNumber, TPDFResources& resources) override;
  void PDFCode(TQuarrionCanvas& canvas, std::string& out) override;
  void SVGResources(TQuarrionCanvas& canvas, TResources& resources) override;
  void SVGCode(TQuarrionCanvas& canvas, std::string& out) override;
  // The file name without its folders ("a.png" for "C:\pics\a.png" or "/pics/a.png").
  static std::string NamePart(const std::string& path);

  void AssignAppearanceTo(TPDFObject& dest) const override;
  void SaveToString(std::string& out) const override;
  void LoadFromString(ByteReader& in) override;
  using TPDFObject::LoadFromString;
  using TPDFObject::SaveToString;

  // A stored picture can only be read once the image knows its document's store, so
  // joining a document finishes what loading without one had to leave.
  void SetOwner(TQuarrionCanvas* owner) override;

  bool PreserveAspect = true;
  // Only black and white pixels: written with 1 bit per sample.
  bool Monochrome = false;
  // No colour: written with one component.
  bool Grayscale = false;
  bool Transparent = false;
  int XObjectNumber = 0;

 private:
  TResourceManager* Store() const;
  void LoadPicture();
  void TakePicture(TDecodedPicture&& picture, std::string&& bytes);
  void ForgetPicture();
  void ClassifyPixels();
  void ApplyAspect();
  void BuildMaskCache();
  // Takes `name` out of the store unless another image of the document still keeps it.
  void ReleaseStoredName(const std::string& name);
  void AppendXObject(std::string& body) const;
  // The end of the XObject's body: filter, /Length and the stream. Static, so that a
  // deferred body owns everything it reads.
  static void AppendStream(std::string& body, const char* filter, std::string_view data);
  static void AppendPackedStream(std::string& body, std::string_view data);

  std::string imageFileName_;
  bool isJPEG_ = false;
  bool storeInFile_ = false;
  bool loaded_ = false;
  int jpegComponents_ = 0;
  int tolerance_ = 0;
  TColor transparentColour_ = 0;
  TBitmap bitmap_;
  std::unique_ptr<TBitmap> maskCache_;
  std::string pictureBytes_;
};
