#include "state/records.h"

#include <algorithm>
#include <charconv>

namespace state {

std::string_view RecordText(const std::vector<std::uint8_t>& data, std::size_t index) {
    const std::size_t start = index * kRecordSize;
    // The length byte can never exceed the 255 bytes that follow it.
    const std::size_t length = data[start];
    return std::string_view(reinterpret_cast<const char*>(data.data() + start + 1), length);
}

Int ParseNumber(std::string_view text) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    Int value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.empty()) return 0;
    return value;
}

RecordWriter::RecordWriter(std::size_t expectedRecords) {
    bytes_.reserve(expectedRecords * kRecordSize);
}

void RecordWriter::Text(std::string_view text) {
    const std::size_t length = std::min(text.size(), kMaxTextLength);
    bytes_.push_back(static_cast<std::uint8_t>(length));
    bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
    bytes_.insert(bytes_.end(), kMaxTextLength - length, 0);
}

void RecordWriter::Number(Int value) {
    Text(std::to_string(value));
}

}  // namespace state
