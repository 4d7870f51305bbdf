#include "state/value_directory.h"

#include <cctype>
#include <charconv>

#include "state/value_tables.h"

namespace state {

namespace {

using directory::Entry;

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The exact spelling wins; otherwise the first name equal ignoring case.
template <class Items, class NameOf>
auto FindByName(const Items& items, std::string_view name, NameOf nameOf)
    -> decltype(&*items.begin()) {
    for (const auto& item : items) {
        if (nameOf(item) == name) return &item;
    }
    for (const auto& item : items) {
        if (SameIgnoringCase(nameOf(item), name)) return &item;
    }
    return nullptr;
}

std::string Form(const Entry& entry) {
    std::string form(entry.name);
    for (int i = 0; i < entry.indexCount; ++i) {
        const auto& r = entry.ranges[static_cast<std::size_t>(i)];
        form += "[" + std::to_string(r.first) + ".." + std::to_string(r.last) + "]";
    }
    return form;
}

// Reads the expression left to right: Name, then [index] groups, then an optional .slotName.
class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    void SkipSpaces() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
            ++pos_;
    }
    bool AtEnd() {
        SkipSpaces();
        return pos_ >= text_.size();
    }
    bool Take(char c) {
        SkipSpaces();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    std::string_view Identifier() {
        SkipSpaces();
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }
    bool Number(int& value) {
        SkipSpaces();
        const char* begin = text_.data() + pos_;
        auto [stop, status] = std::from_chars(begin, text_.data() + text_.size(), value);
        if (status != std::errc()) return false;
        pos_ += static_cast<std::size_t>(stop - begin);
        return true;
    }
    std::size_t Position() const { return pos_ + 1; }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

}  // namespace

bool ResolveValue(const std::string& expr, Ref& out, std::string& error, GameState& g) {
    out = Ref();
    Parser parser(expr);
    const std::string_view name = parser.Identifier();
    if (name.empty()) return Fail(error, "expected a table or value name in \"" + expr + "\"");
    const Entry* entry =
        FindByName(directory::Entries(), name, [](const Entry& e) { return e.name; });
    if (!entry) return Fail(error, "unknown table or value \"" + std::string(name) + "\"");

    std::array<int, 3> index{};
    int given = 0;
    while (parser.Take('[')) {
        if (given == entry->indexCount) {
            return Fail(error, "too many indices: " + Form(*entry));
        }
        int value = 0;
        if (!parser.Number(value) || !parser.Take(']')) {
            return Fail(error, "expected a whole number and ']' at position " +
                                   std::to_string(parser.Position()) + " of \"" + expr + "\"");
        }
        index[static_cast<std::size_t>(given++)] = value;
    }
    if (parser.Take('.')) {
        const std::string_view slotName = parser.Identifier();
        if (given != entry->indexCount - 1) {
            return Fail(error, "a slot name goes in place of the last index: " + Form(*entry));
        }
        const SlotName* slot =
            FindByName(entry->slotNames, slotName, [](const SlotName& s) { return s.name; });
        if (!slot) {
            return Fail(error, std::string(entry->name) + " has no slot named \"" +
                                   std::string(slotName) + "\"");
        }
        index[static_cast<std::size_t>(given++)] = slot->slot;
    }
    if (!parser.AtEnd()) {
        return Fail(error, "unexpected text at position " + std::to_string(parser.Position()) +
                               " of \"" + expr + "\"");
    }
    if (given != entry->indexCount) {
        return Fail(error, std::string(entry->name) + " takes " +
                               std::to_string(entry->indexCount) + " ind" +
                               (entry->indexCount == 1 ? "ex" : "ices") + ": " + Form(*entry));
    }
    for (int i = 0; i < given; ++i) {
        const auto& range = entry->ranges[static_cast<std::size_t>(i)];
        const int value = index[static_cast<std::size_t>(i)];
        if (value < range.first || value > range.last) {
            return Fail(error, "index " + std::to_string(value) + " is out of range " +
                                   std::to_string(range.first) + ".." + std::to_string(range.last) +
                                   ": " + Form(*entry));
        }
    }
    out = entry->resolve(g, index);
    return true;
}

std::vector<std::string> DescribeValues() {
    std::vector<std::string> lines;
    for (const Entry& entry : directory::Entries())
        lines.push_back(Form(entry));
    return lines;
}

}  // namespace state
