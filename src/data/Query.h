#pragma once

#include "DataSet.h"

#include <string>
#include <vector>

namespace tessarin::data {

class Connection;

// A query object on a connection (qry1 ... qry5). Setting a statement clears
// the old one and closes the object; open() runs a statement that returns rows
// and holds all of them as a snapshot; execute() runs one that returns none.
// Parameters are bound as text (?1, ?2, ...), never spliced into the SQL.
class Query : public DataSet {
public:
    explicit Query(Connection& connection) : connection_(connection) {}

    void setStatement(std::string sql, std::vector<std::string> parameters = {});
    const std::string& statement() const noexcept { return sql_; }

    void open();
    void execute();

protected:
    // Deletes one stored row with the record's values from the table the
    // result was read from; a result that is not the columns of one table
    // cannot delete.
    void deleteStoredRow(const Row& row) override;

private:
    Connection& connection_;
    std::string sql_;
    std::vector<std::string> parameters_;
    std::string originTable_;
    std::vector<std::string> originColumns_;
};

} // namespace tessarin::data
