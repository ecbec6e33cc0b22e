#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "core/exceptions.h"
#include "core/filer.h"
#include "engine/series.h"
#include "series_test_support.h"

namespace quil {
namespace {

using testing::ListValues;
using Bytes = std::vector<uint8_t>;

// A series with a third value list, as 3D kinds have.
class TXYZSeries : public ROvedeSeries {
 public:
  TXYZSeries() : Z(CreateValueList(*this, "Z")) {}
  int AddXYZ(double x, double y, double z, const std::string& label = {}, TColor color = clQuilColor) {
    Z.SetTempValue(z);
    return AddXY(x, y, label, color);
  }
  ROvedeValueList& Z;
};

Bytes Written(const ROvedeSeries& series) {
  TMemoryStream stream;
  series.WriteData(stream);
  return stream.Bytes();
}

void Read(ROvedeSeries& series, Bytes bytes) {
  TMemoryStream stream(std::move(bytes));
  series.ReadData(stream);
}

template <class T>
void Put(Bytes& bytes, T value) {
  const auto* p = reinterpret_cast<const uint8_t*>(&value);
  bytes.insert(bytes.end(), p, p + sizeof value);
}

void ExpectSamePoints(const ROvedeSeries& a, const ROvedeSeries& b) {
  ASSERT_EQ(a.Count(), b.Count());
  for (int l = 0; l < a.ValuesList().Count(); ++l) EXPECT_EQ(ListValues(a.ValuesList()[l]), ListValues(b.ValuesList()[l]));
  for (int i = 0; i < a.Count(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a.XLabel(i), b.XLabel(i));
    EXPECT_EQ(a.ValueColor(i), b.ValueColor(i));
  }
}

void ExpectListsInStep(const ROvedeSeries& series) {
  for (int l = 0; l < series.ValuesList().Count(); ++l) EXPECT_EQ(series.ValuesList()[l].Count(), series.Count());
  if (!series.Labels().empty()) {
    EXPECT_EQ(static_cast<int>(series.Labels().size()), series.Count());
  }
  if (series.Colors()) {
    EXPECT_EQ(static_cast<int>(series.Colors()->size()), series.Count());
  }
}

TXYZSeries& FilledSeries(TXYZSeries& series) {
  series.AddXYZ(0.5, 10, 100, "Größe");
  series.AddXYZ(2, -3.25, 200, std::string(300, 'x'), clRed);
  series.AddXYZ(7, 0, 300, "", clNone);
  series.Marks().Positions().resize(3);
  series.Marks().Positions()[1] = {{1, 2}, true, {3, 4}, true, 5, {6, 7}, 8};
  return series;
}

TEST(SeriesDataStream, WhatIsWrittenReadsBackTheSame) {
  TXYZSeries original;
  FilledSeries(original);
  TXYZSeries copy;
  copy.Add(42);
  Read(copy, Written(original));
  ExpectSamePoints(original, copy);
  EXPECT_TRUE(copy.ManualData());
  ASSERT_EQ(copy.Marks().Positions().size(), 3u);
  EXPECT_EQ(copy.Marks().Positions()[1], original.Marks().Positions()[1]);
  EXPECT_EQ(Written(copy), Written(original));
}

TEST(SeriesDataStream, HorizontalSeriesTradesTheTwoValues) {
  ROvedeSeries original;
  original.SetYMandatory(false);
  original.XValues().SetOrder(loNone);
  original.YValues().SetOrder(loAscending);
  original.AddXY(5, 0.5);
  original.AddXY(9, 3);
  ROvedeSeries copy;
  copy.SetYMandatory(false);
  copy.XValues().SetOrder(loNone);
  copy.YValues().SetOrder(loAscending);
  Read(copy, Written(original));
  ExpectSamePoints(original, copy);
}

TEST(SeriesDataStream, PositionsInSequenceAreNotStored) {
  ROvedeSeries series;
  series.Add(4);
  series.Add(6);
  const Bytes bytes = Written(series);
  ASSERT_EQ(bytes.size(), 1u + 4u + 2u * 8u);
  EXPECT_EQ(bytes[0], 0);
}

TEST(SeriesDataStream, ReadsAHandMadeStream) {
  Bytes bytes{0x06};  // colours and labels, positions by index
  Put<int32_t>(bytes, 2);
  Put<double>(bytes, 1.5);
  Put<uint32_t>(bytes, clBlue);
  bytes.push_back(2);
  bytes.push_back('\xC4');  // Ä in the ANSI code page
  bytes.push_back('\x80');  // the euro sign
  Put<double>(bytes, -2);
  Put<uint32_t>(bytes, clQuilColor);
  bytes.push_back(255);
  Put<int32_t>(bytes, 3);
  bytes.insert(bytes.end(), {'a', 'b', 'c'});
  ROvedeSeries series;
  Read(series, bytes);
  EXPECT_EQ(ListValues(series.XValues()), (std::vector<double>{0, 1}));
  EXPECT_EQ(ListValues(series.YValues()), (std::vector<double>{1.5, -2}));
  EXPECT_EQ(series.ValueColor(0), clBlue);
  EXPECT_EQ(series.XLabel(0), "\xC3\x84\xE2\x82\xAC");
  EXPECT_EQ(series.XLabel(1), "abc");
}

TEST(SeriesDataStream, EveryEarlyEndIsAReadErrorThatChangesNothing) {
  TXYZSeries original;
  const Bytes full = Written(FilledSeries(original));
  for (std::size_t size = 0; size < full.size(); ++size) {
    SCOPED_TRACE(size);
    TXYZSeries target;
    target.AddXYZ(1, 2, 3, "kept");
    try {
      Read(target, Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size)));
      FAIL() << "no error";
    } catch (const EReadError& e) {
      EXPECT_STREQ(e.what(), "Stream read error");
    }
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(target.XLabel(0), "kept");
    ExpectListsInStep(target);
  }
}

TEST(SeriesDataStream, ImpossibleCountsAndLengthsAreReadErrors) {
  const auto fails = [](const Bytes& bytes) {
    ROvedeSeries series;
    series.Add(1);
    EXPECT_THROW(Read(series, bytes), EReadError);
    EXPECT_EQ(series.Count(), 1);
  };
  Bytes claimsMore{0};
  Put<int32_t>(claimsMore, 3);
  Put<double>(claimsMore, 1);
  fails(claimsMore);

  Bytes negative{0};
  Put<int32_t>(negative, -1);
  fails(negative);

  Bytes hugeLabel{0x04};
  Put<int32_t>(hugeLabel, 1);
  Put<double>(hugeLabel, 1);
  hugeLabel.push_back(255);
  Put<int32_t>(hugeLabel, 0x7FFFFFFF);
  fails(hugeLabel);

  Bytes picture{0x10};
  Put<int32_t>(picture, 1);
  Put<double>(picture, 1);
  picture.push_back(1);
  fails(picture);
}

TEST(SeriesDataStream, EmptyPictureMarkersAreAccepted) {
  Bytes bytes{0x10};
  Put<int32_t>(bytes, 1);
  Put<double>(bytes, 8);
  bytes.push_back(0);
  ROvedeSeries series;
  Read(series, bytes);
  EXPECT_EQ(series.YValue(0), 8);
}

class TBinaryCapture : public TFiler {
 public:
  void DefineProperty(const std::string&, TReaderProc, TWriterProc, bool) override {}
  void DefineBinaryProperty(const std::string& name, TStreamProc read, TStreamProc write, bool hasData) override {
    Read[name] = std::move(read);
    Write[name] = std::move(write);
    HasData[name] = hasData;
  }
  std::map<std::string, TStreamProc> Read;
  std::map<std::string, TStreamProc> Write;
  std::map<std::string, bool> HasData;
};

TEST(SeriesDataStream, StoredAsDataOnlyWithPoints) {
  ROvedeSeries series;
  TBinaryCapture empty;
  series.DefineProperties(empty);
  EXPECT_FALSE(empty.HasData.at("Data"));

  series.AddXY(3, 4, "p");
  TBinaryCapture filer;
  series.DefineProperties(filer);
  EXPECT_TRUE(filer.HasData.at("Data"));
  TMemoryStream stream;
  filer.Write.at("Data")(stream);
  stream.SetPosition(0);
  ROvedeSeries copy;
  TBinaryCapture reading;
  copy.DefineProperties(reading);
  reading.Read.at("Data")(stream);
  ExpectSamePoints(series, copy);
}

}  // namespace
}  // namespace quil
