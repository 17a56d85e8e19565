#pragma once

#include <cstdint>
#include <vector>

// The cell values FillOnes and Zero write; a cell type without a conversion from int
// (the judgement) specialises them.
template <typename T> struct TMatrixCell {
    static T One() { return T(1); }
    static T Zero() { return T(0); }
};

// Row-major matrix: TMatrix<CJudgement> holds judgements, TMatrix<double> global priorities.
// Only the operations the model needs; none of them shrinks the storage.
template <typename T> class TMatrix {
public:
    TMatrix() = default;
    TMatrix(std::uint32_t rows, std::uint32_t cols) { SetSize(rows, cols); }
    TMatrix(const TMatrix&) = default;
    TMatrix& operator=(const TMatrix&) = default;
    TMatrix(TMatrix&&) noexcept = default;
    TMatrix& operator=(TMatrix&&) noexcept = default;
    virtual ~TMatrix() = default;

    // A zero argument keeps the present count; new cells are value-initialised.
    void SetSize(std::uint32_t rows, std::uint32_t cols)
    {
        if (rows != 0) {
            RowCount = rows;
        }
        if (cols != 0) {
            ColCount = cols;
        }
        Rows.resize(RowCount);
        for (auto& row : Rows) {
            row.resize(ColCount);
        }
    }

    void FillOnes()
    {
        for (std::uint32_t i = 0; i < RowCount; ++i) {
            for (std::uint32_t j = 0; j < RowCount && j < ColCount; ++j) {
                Rows[i][j] = TMatrixCell<T>::One();
            }
        }
    }

    void Zero()
    {
        for (auto& row : Rows) {
            for (auto& cell : row) {
                cell = TMatrixCell<T>::Zero();
            }
        }
    }

    // Grows to the larger counts (never shrinks), then copies every row of other.
    void AssignFrom(const TMatrix& other)
    {
        if (&other == this) {
            return;
        }
        const std::uint32_t rows = RowCount > other.RowCount ? RowCount : other.RowCount;
        const std::uint32_t cols = ColCount > other.ColCount ? ColCount : other.ColCount;
        if (rows != RowCount || cols != ColCount) {
            SetSize(rows, cols);
        }
        for (std::uint32_t i = 0; i < other.RowCount; ++i) {
            for (std::uint32_t j = 0; j < other.ColCount; ++j) {
                Rows[i][j] = other.Rows[i][j];
            }
        }
    }

    // Row and column k of the leading (k+1) x (k+1) block become 1.
    void SetRowColOnes(std::uint32_t k)
    {
        for (std::uint32_t i = 0; i <= k && i < RowCount && k < ColCount; ++i) {
            Rows[i][k] = TMatrixCell<T>::One();
        }
        for (std::uint32_t i = 0; i <= k && k < RowCount && i < ColCount; ++i) {
            Rows[k][i] = TMatrixCell<T>::One();
        }
    }

    // Deletes row and column k from the leading n x n block; row and column n-1
    // keep their old values, outside the new block.
    void RemoveRowCol(std::uint32_t k, std::uint32_t n)
    {
        if (n > RowCount || n > ColCount || k >= n) {
            return;
        }
        for (std::uint32_t c = k; c + 1 < n; ++c) {
            for (std::uint32_t r = 0; r < n; ++r) {
                Rows[r][c] = Rows[r][c + 1];
            }
        }
        for (std::uint32_t r = k; r + 1 < n; ++r) {
            for (std::uint32_t c = 0; c < n; ++c) {
                Rows[r][c] = Rows[r + 1][c];
            }
        }
    }

    [[nodiscard]] std::uint32_t RowCountInUse() const { return RowCount; }
    [[nodiscard]] std::uint32_t ColCountInUse() const { return ColCount; }
    T& operator()(std::uint32_t r, std::uint32_t c) { return Rows[r][c]; }
    const T& operator()(std::uint32_t r, std::uint32_t c) const { return Rows[r][c]; }

    bool operator==(const TMatrix& other) const
    {
        return RowCount == other.RowCount && ColCount == other.ColCount && Rows == other.Rows;
    }

private:
    std::vector<std::vector<T>> Rows;
    std::uint32_t RowCount = 0;
    std::uint32_t ColCount = 0;
};
