#include <bit>
#include <cstdint>
#include <optional>

#include "core/exceptions.h"
#include "core/filer.h"
#include "core/ansi_text.h"
#include "engine/series.h"

namespace quil {

static_assert(std::endian::native == std::endian::little, "stored points are little-endian");

namespace {

enum TStoredFlag : uint8_t {
  kStoredX = 1 << 0,
  kStoredColors = 1 << 1,
  kStoredLabels = 1 << 2,
  kStoredMarks = 1 << 3,
  kStoredPictures = 1 << 4,
};

constexpr const char* kStreamReadError = "Stream read error";
constexpr const char* kPicturesNotSupported = "Stored point pictures cannot be read";

// One point as stored: its position on the axis of the non-mandatory values and its value.
struct TStoredPoint {
  double Position = 0;
  double Value = 0;
  TColor Color = clQuilColor;
  std::string Label;
  std::vector<double> Extra;
  std::optional<TSeriesMarkPosition> Mark;
};

template <class T>
T ReadValue(TMemoryStream& stream) {
  T value{};
  stream.ReadBuffer(&value, sizeof value);
  return value;
}

template <class T>
void WriteValue(TMemoryStream& stream, T value) {
  stream.WriteBuffer(&value, sizeof value);
}

std::size_t Remaining(const TMemoryStream& stream) {
  return stream.Size() > stream.Position() ? stream.Size() - stream.Position() : 0;
}

std::string ReadLabel(TMemoryStream& stream) {
  int64_t length = ReadValue<uint8_t>(stream);
  if (length == 255) length = ReadValue<int32_t>(stream);
  // Checked before the text is allocated, so a damaged length cannot ask for gigabytes.
  if (length < 0 || static_cast<uint64_t>(length) > Remaining(stream)) throw EReadError(kStreamReadError);
  std::string ansi(static_cast<std::size_t>(length), '\0');
  stream.ReadBuffer(ansi.data(), ansi.size());
  return AnsiToUtf8(ansi);
}

void WriteLabel(TMemoryStream& stream, const std::string& label) {
  const std::string ansi = Utf8ToAnsi(label);
  if (ansi.size() < 255) {
    WriteValue<uint8_t>(stream, static_cast<uint8_t>(ansi.size()));
  } else {
    WriteValue<uint8_t>(stream, 255);
    WriteValue<int32_t>(stream, static_cast<int32_t>(ansi.size()));
  }
  stream.WriteBuffer(ansi.data(), ansi.size());
}

TSeriesMarkPosition ReadMarkPosition(TMemoryStream& stream) {
  TSeriesMarkPosition p;
  p.ArrowFrom.X = ReadValue<int32_t>(stream);
  p.ArrowFrom.Y = ReadValue<int32_t>(stream);
  p.ArrowFix = ReadValue<uint8_t>(stream) != 0;
  p.ArrowTo.X = ReadValue<int32_t>(stream);
  p.ArrowTo.Y = ReadValue<int32_t>(stream);
  p.Custom = ReadValue<uint8_t>(stream) != 0;
  p.Height = ReadValue<int32_t>(stream);
  p.LeftTop.X = ReadValue<int32_t>(stream);
  p.LeftTop.Y = ReadValue<int32_t>(stream);
  p.Width = ReadValue<int32_t>(stream);
  return p;
}

void WriteMarkPosition(TMemoryStream& stream, const TSeriesMarkPosition& p) {
  WriteValue<int32_t>(stream, p.ArrowFrom.X);
  WriteValue<int32_t>(stream, p.ArrowFrom.Y);
  WriteValue<uint8_t>(stream, p.ArrowFix ? 1 : 0);
  WriteValue<int32_t>(stream, p.ArrowTo.X);
  WriteValue<int32_t>(stream, p.ArrowTo.Y);
  WriteValue<uint8_t>(stream, p.Custom ? 1 : 0);
  WriteValue<int32_t>(stream, p.Height);
  WriteValue<int32_t>(stream, p.LeftTop.X);
  WriteValue<int32_t>(stream, p.LeftTop.Y);
  WriteValue<int32_t>(stream, p.Width);
}

TStoredPoint ReadPoint(TMemoryStream& stream, uint8_t flags, int index, int extraLists) {
  TStoredPoint point;
  point.Position = (flags & kStoredX) ? ReadValue<double>(stream) : index;
  point.Value = ReadValue<double>(stream);
  if (flags & kStoredColors) point.Color = ReadValue<TColor>(stream);
  if (flags & kStoredLabels) point.Label = ReadLabel(stream);
  for (int i = 0; i < extraLists; ++i) point.Extra.push_back(ReadValue<double>(stream));
  if (flags & kStoredMarks) point.Mark = ReadMarkPosition(stream);
  if ((flags & kStoredPictures) && ReadValue<uint8_t>(stream) != 0) throw EReadError(kPicturesNotSupported);
  return point;
}

// Every point is read before the series is touched: a damaged stream changes nothing.
std::vector<TStoredPoint> ReadPoints(TMemoryStream& stream, int extraLists) {
  const auto flags = ReadValue<uint8_t>(stream);
  const auto count = ReadValue<int32_t>(stream);
  if (count < 0) throw EReadError(kStreamReadError);
  std::vector<TStoredPoint> points;
  points.reserve(std::min<std::size_t>(static_cast<std::size_t>(count), Remaining(stream) / sizeof(double)));
  for (int i = 0; i < count; ++i) points.push_back(ReadPoint(stream, flags, i, extraLists));
  return points;
}

}  // namespace

void ROvedeSeries::ReadData(TMemoryStream& stream) {
  const int lists = valuesList_.Count();
  const std::vector<TStoredPoint> points = ReadPoints(stream, lists - 2);
  Clear();
  BeginUpdate();
  try {
    for (const TStoredPoint& point : points) {
      for (int i = 2; i < lists; ++i) valuesList_[i].SetTempValue(point.Extra[static_cast<std::size_t>(i - 2)]);
      if (yMandatory_)
        AddXY(point.Position, point.Value, point.Label, point.Color);
      else
        AddXY(point.Value, point.Position, point.Label, point.Color);
      if (point.Mark) Marks().Positions().push_back(*point.Mark);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  manualData_ = true;
}

void ROvedeSeries::WriteData(TMemoryStream& stream) const {
  const int count = Count();
  const ROvedeValueList& positions = NotMandatoryValueList();
  const ROvedeValueList& values = MandatoryValueList();
  const bool hasMarks = marks_ && !marks_->Positions().empty();
  uint8_t flags = 0;
  for (int i = 0; i < count && !(flags & kStoredX); ++i)
    if (positions.Values()[static_cast<std::size_t>(i)] != i) flags |= kStoredX;
  if (colors_) flags |= kStoredColors;
  if (!labels_.empty()) flags |= kStoredLabels;
  if (hasMarks) flags |= kStoredMarks;
  WriteValue<uint8_t>(stream, flags);
  WriteValue<int32_t>(stream, count);
  for (int i = 0; i < count; ++i) {
    const auto at = static_cast<std::size_t>(i);
    if (flags & kStoredX) WriteValue<double>(stream, positions.Values()[at]);
    WriteValue<double>(stream, values.Values()[at]);
    if (flags & kStoredColors) WriteValue<TColor>(stream, (*colors_)[at]);
    if (flags & kStoredLabels) WriteLabel(stream, labels_[at]);
    for (int l = 2; l < valuesList_.Count(); ++l) WriteValue<double>(stream, valuesList_[l].Values()[at]);
    if (hasMarks)
      WriteMarkPosition(stream, at < marks_->Positions().size() ? marks_->Positions()[at] : TSeriesMarkPosition{});
  }
}

}  // namespace quil
