#pragma once

#include "DataSetEvent.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::data {

// An open result: a snapshot of rows held in memory with a cursor on the
// current record, as the grids and windows read it. Later changes to the
// tables do not alter it. Every operation but isOpen() and close() on a
// closed data set raises DataError "Cannot perform this operation on a closed
// dataset". Moves that would pass the first or last record stop there and set
// bof() or eof().
class DataSet {
public:
    using Row = std::vector<std::optional<std::string>>;

    DataSet() = default;
    DataSet(const DataSet&) = delete;
    DataSet& operator=(const DataSet&) = delete;
    virtual ~DataSet();

    bool isOpen() const noexcept { return open_; }
    void close();

    // Fields.
    int fieldCount() const;
    const std::string& fieldName(int field) const;
    // The first field whose name equals `name` without regard to the case of
    // Latin letters.
    std::optional<int> fieldIndex(std::string_view name) const;

    // Records and the cursor. Record numbers are 1-based; 0 when empty.
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    int recNo() const;
    bool bof() const;
    bool eof() const;
    void first();
    void last();
    void next() { moveBy(1); }
    void prior() { moveBy(-1); }
    // Moves by `distance` records, stopping at either end; returns the number
    // of records actually moved (negative backwards).
    int moveBy(int distance);

    // The current record's value of a field found by name without regard to
    // case; NULL reads as "". Unknown fields raise "Field 'x' not found".
    std::string fieldText(std::string_view name) const;
    // Any record's value, by 0-based record and field index; the cursor stays.
    std::string text(int record, int field) const;
    bool isNull(int record, int field) const;

    // Reorders the records in place by "col ASC" or "col DESC" (several may be
    // given, separated by commas), comparing stored values as text without
    // regard to the case of Latin letters, NULL first; positions on the first
    // record. sort() reads back the text last set ("" for a fresh result).
    void setSort(std::string_view sortText);
    const std::string& sort() const;

    // Deletes the current record; the next one becomes current (the previous
    // one when the last was deleted).
    void deleteCurrent();

    void addObserver(DataSetObserver* observer);
    void removeObserver(DataSetObserver* observer);

protected:
    // Makes the given rows the open result, positioned on the first record.
    void openWith(std::vector<std::string> fields, std::vector<Row> rows);
    // Called by deleteCurrent() before the row leaves the snapshot, so that a
    // data set over a table can remove the stored row too.
    virtual void deleteStoredRow(const Row& row);

private:
    void requireOpen() const;
    void notify(DataSetEvent event);

    bool open_ = false;
    std::vector<std::string> fields_;
    std::vector<Row> rows_;
    int current_ = 0;
    bool bof_ = true;
    bool eof_ = true;
    std::string sort_;
    std::vector<DataSetObserver*> observers_;
};

} // namespace tessarin::data
