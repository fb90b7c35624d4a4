#include "ResultPairTable.h"

#include "data/DataError.h"

#include <cstddef>

namespace tessarin::queries {
namespace {

constexpr const char* tableName = "result_pairs";
enum Column { departure, arrival, origin, terminal };

struct PairTable {
    sqlite3_vtab base{};
    const std::vector<ResultPair>* pairs = nullptr;
};

struct PairCursor {
    sqlite3_vtab_cursor base{};
    std::size_t row = 0;
};

const std::vector<ResultPair>& pairsOf(sqlite3_vtab_cursor* cursor) {
    return *reinterpret_cast<PairTable*>(cursor->pVtab)->pairs;
}

int connect(sqlite3* db, void* pairs, int, const char* const*, sqlite3_vtab** table, char**) {
    const int rc =
        sqlite3_declare_vtab(db, "create table x(departure integer, arrival integer, origin text, terminal text)");
    if (rc != SQLITE_OK)
        return rc;
    auto* created = new PairTable;
    created->pairs = static_cast<const std::vector<ResultPair>*>(pairs);
    *table = &created->base;
    return SQLITE_OK;
}

int disconnect(sqlite3_vtab* table) {
    delete reinterpret_cast<PairTable*>(table);
    return SQLITE_OK;
}

// The only way through the table is from its first row to its last.
int bestIndex(sqlite3_vtab*, sqlite3_index_info* info) {
    info->estimatedCost = 1000;
    return SQLITE_OK;
}

int open(sqlite3_vtab*, sqlite3_vtab_cursor** cursor) {
    *cursor = &(new PairCursor)->base;
    return SQLITE_OK;
}

int close(sqlite3_vtab_cursor* cursor) {
    delete reinterpret_cast<PairCursor*>(cursor);
    return SQLITE_OK;
}

int filter(sqlite3_vtab_cursor* cursor, int, const char*, int, sqlite3_value**) {
    reinterpret_cast<PairCursor*>(cursor)->row = 0;
    return SQLITE_OK;
}

int next(sqlite3_vtab_cursor* cursor) {
    ++reinterpret_cast<PairCursor*>(cursor)->row;
    return SQLITE_OK;
}

int eof(sqlite3_vtab_cursor* cursor) { return reinterpret_cast<PairCursor*>(cursor)->row >= pairsOf(cursor).size(); }

void resultText(sqlite3_context* context, const std::string& text) {
    sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

int column(sqlite3_vtab_cursor* cursor, sqlite3_context* context, int index) {
    const ResultPair& pair = pairsOf(cursor)[reinterpret_cast<PairCursor*>(cursor)->row];
    switch (index) {
    case departure:
        sqlite3_result_int64(context, pair.departure);
        break;
    case arrival:
        sqlite3_result_int64(context, pair.arrival);
        break;
    case origin:
        resultText(context, pair.origin);
        break;
    case terminal:
        resultText(context, pair.terminal);
        break;
    default:
        sqlite3_result_null(context);
    }
    return SQLITE_OK;
}

int rowid(sqlite3_vtab_cursor* cursor, sqlite3_int64* id) {
    *id = static_cast<sqlite3_int64>(reinterpret_cast<PairCursor*>(cursor)->row);
    return SQLITE_OK;
}

// Read-only and eponymous: the table exists under the module's own name and
// cannot be created, changed or dropped.
sqlite3_module pairModule() {
    sqlite3_module module{};
    module.xConnect = connect;
    module.xBestIndex = bestIndex;
    module.xDisconnect = disconnect;
    module.xOpen = open;
    module.xClose = close;
    module.xFilter = filter;
    module.xNext = next;
    module.xEof = eof;
    module.xColumn = column;
    module.xRowid = rowid;
    return module;
}

const sqlite3_module module = pairModule();

} // namespace

ResultPairTable::ResultPairTable(sqlite3* db, const std::vector<ResultPair>& pairs) : db_(db) {
    if (sqlite3_create_module_v2(db_, tableName, &module, const_cast<std::vector<ResultPair>*>(&pairs), nullptr) !=
        SQLITE_OK)
        throw data::DataError(sqlite3_errmsg(db_));
}

ResultPairTable::~ResultPairTable() { sqlite3_create_module_v2(db_, tableName, nullptr, nullptr, nullptr); }

} // namespace tessarin::queries
