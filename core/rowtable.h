#pragma once

#include <array>
#include <cstdint>

// The per-row record of a drill: one row per answer lane (rows 1 to 3; row 0
// is never used), 1001 whole-number columns each. Column 0 says whether the
// lane runs, column 1 counts its problems, and problem k owns columns
// 10k+1 .. 10k+10, which leaves room for 99 problems.
class RowTable {
public:
    static constexpr int Rows = 4;
    static constexpr int Columns = 1001;
    static constexpr int MaxProblems = 99;

    static constexpr bool inRange(int row, int col)
    {
        return row >= 0 && row < Rows && col >= 0 && col < Columns;
    }

    // Reads outside the table give 0 and writes outside it are dropped and
    // counted, so a fault can never spill into another lane's memory.
    int32_t at(int row, int col) const { return inRange(row, col) ? cells_[row][col] : 0; }
    void set(int row, int col, int32_t value);
    void clear(int row, int firstCol, int lastCol);
    int rejectedWrites() const { return rejected_; }

private:
    std::array<std::array<int32_t, Columns>, Rows> cells_{};
    int rejected_ = 0;
};

// Column map of one lane.
namespace Col {
constexpr int RowActive = 0;
constexpr int ProblemCount = 1;
constexpr int block(int k, int j) { return 10 * k + j; } // j = 1 .. 10
// How the problem was asked where its values do not tell (the kind of a
// composite problem: the same sides come as a text or a figure).
constexpr int Asked(int k) { return 10 * k + 5; }
constexpr int ResultMark(int k) { return 10 * k + 6; }
constexpr int TryCount(int k) { return 10 * k + 10; }
// What the four values do not tell of a figure of two parts (the widths of
// a composite figure's parts, or a stepped one's right part), i = 0, 1.
constexpr int FigurePart(int k, int i) { return 10 * k + 7 + i; }
} // namespace Col

// The four values a family stored for problem k of a lane.
inline std::array<int32_t, 4> storedBlock(const RowTable &table, int row, int k)
{
    return {table.at(row, Col::block(k, 1)), table.at(row, Col::block(k, 2)), table.at(row, Col::block(k, 3)),
            table.at(row, Col::block(k, 4))};
}

using FigureParts = std::array<int32_t, 2>;
inline FigureParts storedParts(const RowTable &table, int row, int k)
{
    return {table.at(row, Col::FigurePart(k, 0)), table.at(row, Col::FigurePart(k, 1))};
}

// What a finished problem earned.
enum class Mark : int32_t { None = 0, Right = 1, RightLater = 2, Wrong = 3 };
