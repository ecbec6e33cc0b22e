#include "canvas/blur_filter.h"

#include <algorithm>
#include <vector>

#include "canvas/image_pixels.h"

namespace quil {

namespace {

constexpr int kAlpha = 3;

// sum / weight to the nearest integer, ties to even, limited to a byte.
uint8_t RoundedByte(int sum, int weight) {
  if (sum <= 0) return 0;
  int q = sum / weight;
  const int twiceRest = 2 * (sum % weight);
  if (twiceRest > weight || (twiceRest == weight && (q & 1))) ++q;
  return static_cast<uint8_t>(std::min(q, 255));
}

// One pass over region r of the pixels, reading from an untouched copy. Neighbours outside the
// image do not count, so edges keep their brightness instead of fading towards black.
void BlurOnce(TImagePixels& pixels, const TRect& r, int centreWeight) {
  const int w = pixels.Width();
  const int h = pixels.Height();
  const int top = std::max(r.Top - 1, 0);
  const int bottom = std::min(r.Bottom + 1, h);
  std::vector<uint8_t> source(static_cast<std::size_t>(bottom - top) * w * 4);
  for (int y = top; y < bottom; ++y)
    std::copy_n(pixels.Pixel(0, y), 4 * w, source.begin() + static_cast<std::ptrdiff_t>(y - top) * w * 4);
  auto at = [&](int x, int y, int channel) { return source[(static_cast<std::size_t>(y - top) * w + x) * 4 + channel]; };

  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      int sums[4] = {0, 0, 0, 0};
      int weight = 0;
      for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, h - 1); ++ny) {
        for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, w - 1); ++nx) {
          const int k = (nx == x && ny == y) ? centreWeight : 1;
          weight += k;
          for (int c = 0; c < 4; ++c) sums[c] += k * at(nx, ny, c);
        }
      }
      if (weight <= 0) continue;
      uint8_t* out = pixels.MutablePixel(x, y);
      out[kAlpha] = RoundedByte(sums[kAlpha], weight);
      // Premultiplied colour never exceeds its alpha, whatever the weights did.
      for (int c = 0; c < kAlpha; ++c) out[c] = std::min(RoundedByte(sums[c], weight), out[kAlpha]);
    }
  }
}

}  // namespace

const TMetaClass& TBlurFilter::StaticClass() {
  static const TMetaClass meta("TBlurFilter", &TQuilFilter::StaticClass(),
                               TPropertyListBuilder<TBlurFilter>()
                                   .Int("Amount", &TBlurFilter::Amount, &TBlurFilter::SetAmount, 1)
                                   .Int("Steps", &TBlurFilter::Steps, &TBlurFilter::SetSteps, 1)
                                   .Build());
  return meta;
}

void TBlurFilter::Apply(TBitmap& bitmap) const {
  if (bitmap.Empty() || steps_ <= 0) return;
  const TRect r = Region().Bounds(bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  TImagePixels pixels(bitmap);
  for (int step = 0; step < steps_; ++step) BlurOnce(pixels, r, amount_);
}

std::unique_ptr<TQuilFilter> TBlurFilter::Clone() const {
  auto copy = std::make_unique<TBlurFilter>();
  copy->Assign(*this);
  return copy;
}

void TBlurFilter::Assign(const TPersistent& source) {
  TQuilFilter::Assign(source);
  if (const auto* blur = dynamic_cast<const TBlurFilter*>(&source)) {
    amount_ = blur->amount_;
    steps_ = blur->steps_;
  }
}

}  // namespace quil
