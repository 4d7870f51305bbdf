// The shapes of the game-state tables.
//
// Every table is a fixed array of 32-bit records. Rows and slots are numbered from 1 as the
// game and its files number them; the storage keeps an unused element 0 (and, for the dungeon
// board, an empty border) so that game code indexes with the game's own numbers:
// `g.lord[p][Lord::gold]`. operator[] is unchecked and meant for game code whose indices are
// correct by construction. Find() and At() check every index against the table's declared
// range and are meant for indices that come from outside (a file, a console script).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace state {

using Int = std::int32_t;

// Strings are stored as short strings of at most this many bytes in every file.
inline constexpr std::size_t kMaxTextLength = 255;

// Slots 1..N of one record; element 0 is never used.
template <int N>
using RecordOf = std::array<Int, N + 1>;
using Record = RecordOf<100>;

[[noreturn]] void ThrowIndexError(const char* what);

inline bool InRange(int value, int first, int last) {
    return value >= first && value <= last;
}

// One record of N slots (MapSetting, Opponent, ReservedA, ...).
template <int N>
struct Values {
    static constexpr int kSlots = N;
    RecordOf<N> slot{};

    Int& operator[](int s) { return slot[static_cast<std::size_t>(s)]; }
    const Int& operator[](int s) const { return slot[static_cast<std::size_t>(s)]; }
    static bool Contains(int s) { return InRange(s, 1, N); }
    Int* Find(int s) { return Contains(s) ? &(*this)[s] : nullptr; }
    Int& At(int s) {
        if (!Contains(s)) ThrowIndexError("slot out of range");
        return (*this)[s];
    }
    void Clear() { slot.fill(0); }
};

// Rows First..Last of records with N slots (Lord, Army, MonsterTable, ...).
template <int First, int Last, int N = 100>
struct Records {
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;
    static constexpr int kSlots = N;
    std::array<RecordOf<N>, Last + 1> row{};

    RecordOf<N>& operator[](int r) { return row[static_cast<std::size_t>(r)]; }
    const RecordOf<N>& operator[](int r) const { return row[static_cast<std::size_t>(r)]; }
    static bool Contains(int r, int s) { return InRange(r, First, Last) && InRange(s, 1, N); }
    Int* Find(int r, int s) { return Contains(r, s) ? &(*this)[r][s] : nullptr; }
    Int& At(int r, int s) {
        if (!Contains(r, s)) ThrowIndexError("row or slot out of range");
        return (*this)[r][s];
    }
    // Slots 1..N of rows from..to.
    void ClearRows(int from, int to) {
        for (int r = from; r <= to; ++r) {
            for (int s = 1; s <= N; ++s)
                (*this)[r][s] = 0;
        }
    }
};

// A grid [1..X][1..Y] of records with N slots (Field, Room, HeroGear, ...). Border adds empty
// cells on every side (index 0 and X + 1, Y + 1) for neighbour tests at the edge.
template <int X, int Y, int N = 100, int Border = 0>
struct Grid {
    static constexpr int kX = X;
    static constexpr int kY = Y;
    static constexpr int kSlots = N;
    using Column = std::array<RecordOf<N>, Y + 1 + Border>;
    std::array<Column, X + 1 + Border> cell{};

    Column& operator[](int x) { return cell[static_cast<std::size_t>(x)]; }
    const Column& operator[](int x) const { return cell[static_cast<std::size_t>(x)]; }
    static bool Contains(int x, int y, int s) {
        return InRange(x, 1, X) && InRange(y, 1, Y) && InRange(s, 1, N);
    }
    Int* Find(int x, int y, int s) {
        return Contains(x, y, s) ? &cell[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]
                                        [static_cast<std::size_t>(s)]
                                 : nullptr;
    }
    Int& At(int x, int y, int s) {
        if (!Contains(x, y, s)) ThrowIndexError("grid index out of range");
        return *Find(x, y, s);
    }
    // Slots 1..N of every cell [1..X][1..Y]; the border is never written.
    void Clear() {
        for (int x = 1; x <= X; ++x) {
            for (int y = 1; y <= Y; ++y) {
                for (int s = 1; s <= N; ++s)
                    (*this)[x][static_cast<std::size_t>(y)][s] = 0;
            }
        }
    }
};

// A grid [1..X][1..Y] of single integers (AIFieldScore).
template <int X, int Y>
struct Matrix {
    static constexpr int kX = X;
    static constexpr int kY = Y;
    std::array<std::array<Int, Y + 1>, X + 1> cell{};

    std::array<Int, Y + 1>& operator[](int x) { return cell[static_cast<std::size_t>(x)]; }
    const std::array<Int, Y + 1>& operator[](int x) const {
        return cell[static_cast<std::size_t>(x)];
    }
    static bool Contains(int x, int y) { return InRange(x, 1, X) && InRange(y, 1, Y); }
    Int* Find(int x, int y) {
        return Contains(x, y) ? &cell[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]
                              : nullptr;
    }
    Int& At(int x, int y) {
        if (!Contains(x, y)) ThrowIndexError("grid index out of range");
        return *Find(x, y);
    }
    void Clear() {
        for (auto& column : cell)
            column.fill(0);
    }
};

// Strings 1..N (HeroName, RealmName, ModText).
template <int N>
struct Names {
    static constexpr int kCount = N;
    std::array<std::string, N + 1> text{};

    std::string& operator[](int i) { return text[static_cast<std::size_t>(i)]; }
    const std::string& operator[](int i) const { return text[static_cast<std::size_t>(i)]; }
    static bool Contains(int i) { return InRange(i, 1, N); }
    std::string* Find(int i) { return Contains(i) ? &(*this)[i] : nullptr; }
    std::string& At(int i) {
        if (!Contains(i)) ThrowIndexError("text index out of range");
        return (*this)[i];
    }
};

// Rows First..Last of text records with N strings each (MonsterText, ItemText, ReservedText).
template <int First, int Last, int N = 10>
struct Texts {
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;
    static constexpr int kCount = N;
    using Row = std::array<std::string, N + 1>;
    std::array<Row, Last + 1> row{};

    Row& operator[](int r) { return row[static_cast<std::size_t>(r)]; }
    const Row& operator[](int r) const { return row[static_cast<std::size_t>(r)]; }
    static bool Contains(int r, int i) { return InRange(r, First, Last) && InRange(i, 1, N); }
    std::string* Find(int r, int i) {
        return Contains(r, i) ? &row[static_cast<std::size_t>(r)][static_cast<std::size_t>(i)]
                              : nullptr;
    }
    std::string& At(int r, int i) {
        if (!Contains(r, i)) ThrowIndexError("text index out of range");
        return *Find(r, i);
    }
};

// A string cut to the length the files can hold.
std::string CapText(std::string text);

}  // namespace state
