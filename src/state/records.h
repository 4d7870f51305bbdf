// The 256-byte record format of the scenario files and the saved games' string files: one
// length byte n followed by 255 bytes of which the first n are the text. Numbers are stored as
// their decimal text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/tables.h"

namespace state {

inline constexpr std::size_t kRecordSize = 256;

// The text of record `index` (from 0) of data; the caller checks that the record exists.
std::string_view RecordText(const std::vector<std::uint8_t>& data, std::size_t index);

// The number in a record's text: an optional sign and decimal digits, with spaces around them
// allowed. Anything else, or a value outside 32 bits, reads as 0.
Int ParseNumber(std::string_view text);

// Builds a file of records.
class RecordWriter {
  public:
    explicit RecordWriter(std::size_t expectedRecords = 0);
    void Text(std::string_view text);  // cut to 255 bytes
    void Number(Int value);
    std::size_t Count() const { return bytes_.size() / kRecordSize; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

// Reads consecutive records of a file; the caller checks the count first.
class RecordReader {
  public:
    explicit RecordReader(const std::vector<std::uint8_t>& data) : data_(data) {}
    static std::size_t CountIn(const std::vector<std::uint8_t>& data) {
        return data.size() / kRecordSize;
    }
    std::string Text() { return std::string(RecordText(data_, next_++)); }
    Int Number() { return ParseNumber(RecordText(data_, next_++)); }

  private:
    const std::vector<std::uint8_t>& data_;
    std::size_t next_ = 0;
};

}  // namespace state
