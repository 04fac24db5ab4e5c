#pragma once
// Realistic register content for the benchmark: names, native places,
// 18-digit identity numbers with their check digit, telephone numbers,
// remarks of 20 to 200 characters, the fixed items of the drop-down lists
// (with a share of rows that chose nothing), registration dates with their
// registration-date integer. Deterministic for a given seed.
#include "data/schema.h"

#include <QVariant>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace bench {

// One generated cell: null, a whole number or a text (dates as stored text).
struct Cell {
    enum Kind : uint8_t { Null, Int, Text } kind = Null;
    int64_t number = 0;
    std::string text;  // UTF-8

    // The form in which a screen would hand the value to a query.
    QVariant toVariant(ColumnKind column) const;
};

class RowMaker {
public:
    explicit RowMaker(uint64_t seed) : m_rng(seed) {}

    // Values for every column of the table but its key, in column order.
    std::vector<Cell> row(const TableDef &table, int64_t rowsInTable);

private:
    Cell value(const ColumnDef &column, int64_t rowsInTable);
    std::string name();
    std::string nativePlace();
    std::string identityNumber(int age);
    std::string telephone();
    std::string road();
    std::string remark(int minChars, int maxChars);
    std::string pick(const std::vector<const char *> &items);
    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(m_rng) < p; }

    std::mt19937_64 m_rng;
    int m_lastAge = 30;
    int m_lastDay = 0;   // days since 2003-01-01 of the row's registration date
};

// Items of the drop-down list that fills a label column, or empty when the
// column is no list column.
const std::vector<const char *> &listItems(const QString &column);

// Number of UTF-8 characters in s.
size_t utf8Length(const std::string &s);

}  // namespace bench
