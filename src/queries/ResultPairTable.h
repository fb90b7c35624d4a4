#pragma once

#include "ResultRows.h"

#include <sqlite3.h>

#include <vector>

namespace tessarin::queries {

// The table result_pairs(departure, arrival, origin, terminal) on one
// connection while this object lives: the pairs given, one row each, in
// their order, read where they lie. Statements join it to the train rows
// instead of taking the pairs apart from a text.
class ResultPairTable {
public:
    ResultPairTable(sqlite3* db, const std::vector<ResultPair>& pairs);
    ~ResultPairTable();
    ResultPairTable(const ResultPairTable&) = delete;
    ResultPairTable& operator=(const ResultPairTable&) = delete;

private:
    sqlite3* db_;
};

} // namespace tessarin::queries
