#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "data/data_fields.h"
#include "data/data_file_error.h"
#include "data/data_lines.h"
#include "data/surface_data.h"
#include "data/surface_data_grid.h"

namespace quil {

namespace {

// The state of one reading: the data so far and where it came from.
class TSurfaceDataParser {
 public:
  TSurfaceDataParser(TDataLineReader& lines, TDataForm form) : lines_(lines), form_(form) {}

  TSurfaceData Parse();

 private:
  // Failures of the current line, and of the file as a whole.
  [[noreturn]] void Fail(const std::string& message) const;
  [[noreturn]] void FailFile(const std::string& message) const;
  const std::string& File() const { return lines_.FileName(); }
  std::string Line() const { return std::to_string(lines_.LineNumber()); }
  void CheckPointCount(std::size_t count) const;
  void TakeFirstDataLine(std::string_view content);
  void TakeDataLine();
  void TakePoint();
  void TakeMatrixRow();
  double Number(std::string_view field) const;
  void Finish();

  TDataLineReader& lines_;
  TDataForm form_;
  TSurfaceData data_;
  TFieldSeparator separator_ = TFieldSeparator::Blank;
  std::vector<std::string_view> fields_;
  std::size_t columns_ = 0;
  std::vector<uint32_t> pointLines_;
};

void TSurfaceDataParser::Fail(const std::string& message) const {
  throw EDataFileError(message, lines_.FileName(), lines_.LineNumber());
}

void TSurfaceDataParser::FailFile(const std::string& message) const {
  throw EDataFileError(message, lines_.FileName(), 0);
}

void TSurfaceDataParser::CheckPointCount(std::size_t count) const {
  if (static_cast<int64_t>(count) > kMaxDataPoints)
    FailFile(QuilFormat(QuilMsg_DataFileTooLarge, File(), std::to_string(kMaxDataPoints)));
}

double TSurfaceDataParser::Number(std::string_view field) const {
  const auto value = ParseDataNumber(field);
  if (!value) {
    // A field of a binary-looking line can be long; the start tells what it was.
    constexpr std::size_t kShown = 40;
    const std::string shown = field.size() > kShown ? std::string(field.substr(0, kShown)) + "..." : std::string(field);
    Fail(QuilFormat(QuilMsg_DataFileNumber, File(), Line(), shown));
  }
  return *value;
}

// The first line with values fixes the separator, the column count and (automatically) the form.
void TSurfaceDataParser::TakeFirstDataLine(std::string_view content) {
  separator_ = content.find(',') != std::string_view::npos ? TFieldSeparator::Comma : TFieldSeparator::Blank;
  SplitDataFields(content, separator_, fields_);
  columns_ = fields_.size();
  if (form_ == TDataForm::Auto) form_ = columns_ == 3 ? TDataForm::Points : TDataForm::Matrix;
  data_.Form = form_;
  // Every line with content may be data: the storage is taken once, and blank or comment lines
  // take none.
  const std::size_t lines = lines_.ContentLines();
  if (form_ == TDataForm::Points) {
    const std::size_t points = std::min<std::size_t>(lines, kMaxDataPoints + 1);
    data_.X.reserve(points);
    data_.Y.reserve(points);
    data_.Z.reserve(points);
    pointLines_.reserve(points);
  } else {
    data_.Columns = static_cast<int>(std::min<std::size_t>(columns_, kMaxDataPoints + 1));
    data_.Y.reserve(std::min<std::size_t>(lines * columns_, kMaxDataPoints + 1));
  }
}

void TSurfaceDataParser::TakeDataLine() {
  if (form_ == TDataForm::Points && fields_.size() != 3)
    Fail(QuilFormat(QuilMsg_DataFilePointFields, File(), Line(), std::to_string(fields_.size())));
  if (fields_.size() != columns_) Fail(QuilFormat(QuilMsg_DataFileRagged, File(), Line(), std::to_string(fields_.size()), std::to_string(columns_)));
  if (form_ == TDataForm::Points)
    TakePoint();
  else
    TakeMatrixRow();
}

void TSurfaceDataParser::TakePoint() {
  const double x = Number(fields_[0]);
  const double y = Number(fields_[1]);
  const double z = Number(fields_[2]);
  if (!std::isfinite(x) || !std::isfinite(z)) Fail(QuilFormat(QuilMsg_DataFilePosition, File(), Line()));
  if (std::isinf(y)) Fail(QuilFormat(QuilMsg_DataFileInfinite, File(), Line()));
  CheckPointCount(data_.X.size() + 1);
  data_.X.push_back(x);
  data_.Y.push_back(y);
  data_.Z.push_back(z);
  pointLines_.push_back(static_cast<uint32_t>(lines_.LineNumber()));
}

void TSurfaceDataParser::TakeMatrixRow() {
  CheckPointCount(data_.Y.size() + fields_.size());
  for (const std::string_view field : fields_) {
    const double y = Number(field);
    if (std::isinf(y)) Fail(QuilFormat(QuilMsg_DataFileInfinite, File(), Line()));
    data_.Y.push_back(y);
  }
  ++data_.Rows;
}

TSurfaceData TSurfaceDataParser::Parse() {
  std::string_view line;
  bool first = true;
  while (lines_.Next(line)) {
    const std::string_view content = DataContent(line);
    if (content.empty()) continue;
    if (first) {
      first = false;
      if (IsHeaderLine(content)) continue;
    }
    if (columns_ == 0)
      TakeFirstDataLine(content);
    else
      SplitDataFields(content, separator_, fields_);
    TakeDataLine();
  }
  Finish();
  return std::move(data_);
}

void TSurfaceDataParser::Finish() {
  if (columns_ == 0) FailFile(QuilFormat(QuilMsg_DataFileEmpty, File()));
  if (form_ == TDataForm::Points)
    CheckPointGrid(data_, pointLines_, lines_.FileName());
  else
    CheckMatrixGrid(data_, lines_.FileName());
  if (data_.PointCount() == 0) FailFile(QuilFormat(QuilMsg_DataFileEmpty, File()));
}

}  // namespace

int64_t TSurfaceData::PointCount() const {
  int64_t count = 0;
  for (const double y : Y) count += std::isnan(y) ? 0 : 1;
  return count;
}

TSurfaceData ReadSurfaceData(const std::string& fileName, TDataForm form) {
  TDataLineReader lines(fileName);
  return TSurfaceDataParser(lines, form).Parse();
}

}  // namespace quil
