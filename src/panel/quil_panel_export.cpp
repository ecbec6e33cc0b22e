#include "canvas/device_context.h"
#include "canvas/gdiplus_canvas.h"
#include "canvas/picture_file.h"
#include "panel/quil_panel.h"

namespace quil {

namespace {

// Puts the canvas's buffering and supersampling back as they were, however the drawing ends.
class TUnbufferedDrawing {
 public:
  explicit TUnbufferedDrawing(TCanvas3D& canvas)
      : canvas_(canvas), buffered_(canvas.GetUseBuffer()), smooth_(dynamic_cast<TGDIPlusCanvas*>(&canvas)) {
    if (smooth_) {
      scale_ = smooth_->Scale();
      smooth_->SetScale(1);
    }
    canvas_.SetUseBuffer(false);
  }
  TUnbufferedDrawing(const TUnbufferedDrawing&) = delete;
  TUnbufferedDrawing& operator=(const TUnbufferedDrawing&) = delete;
  ~TUnbufferedDrawing() {
    canvas_.SetCanvas(nullptr);
    canvas_.SetUseBuffer(buffered_);
    if (smooth_) smooth_->SetScale(scale_);
  }

 private:
  TCanvas3D& canvas_;
  bool buffered_;
  TGDIPlusCanvas* smooth_;
  float scale_ = 1;
};

}  // namespace

void TCustomQuilPanel::DrawUnbuffered(TDeviceContext& target, int width, int height) {
  // The picture would otherwise be drawn into the off-screen image and copied over as one
  // raster; without it every line, fill and text goes to the target surface itself.
  const bool autoRepaint = AutoRepaint();
  SetAutoRepaint(false);
  try {
    const TUnbufferedDrawing unbuffered(*internalCanvas_);
    Draw(target, {0, 0, width, height});
  } catch (...) {
    SetAutoRepaint(autoRepaint);
    throw;
  }
  SetAutoRepaint(autoRepaint);
}

void TCustomQuilPanel::SaveToFile(const std::string& path) { SaveToFile(path, Width(), Height()); }

void TCustomQuilPanel::SaveToFile(const std::string& path, int width, int height) {
  const TPictureFormat format = PictureFormatOf(path);
  CheckPictureSize(path, width, height);
  // Before the render: a large picture is not drawn for a file that cannot be written.
  CheckPictureFileWritable(path);
  if (format == pfPNG) {
    WritePngFile(CreatePicture(width, height), path);
    return;
  }
  WriteVectorFile(
      format, width, height,
      [&](cairo_t* cr) {
        TCairoDeviceContext dc(cr);
        DrawUnbuffered(dc, width, height);
      },
      path);
}

}  // namespace quil
