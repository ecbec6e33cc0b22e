#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quil {

class TReader;
class TWriter;

// Bytes of a binary stream-only value ("Data", "Items", "CustomPalette").
class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

  // Reads exactly count bytes or fails with "Stream read error".
  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count);
  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return position_; }
  void SetPosition(std::size_t p) { position_ = p; }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  std::size_t position_ = 0;
};

// The reader and writer ask an object for its stream-only values through this interface:
// the object names each value with the procedures that read and write it.
class TFiler {
 public:
  using TReaderProc = std::function<void(TReader&)>;
  using TWriterProc = std::function<void(TWriter&)>;
  using TStreamProc = std::function<void(TMemoryStream&)>;

  virtual ~TFiler() = default;
  virtual void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc writeData, bool hasData) = 0;
  virtual void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc writeData,
                                    bool hasData) = 0;
};

}  // namespace quil
