#include "QueryPipeline.h"

#include "data/Connection.h"
#include "data/Query.h"
#include "data/Transaction.h"

namespace tessarin::queries {
namespace {

// Reopens the result set: train_tmp's rows in the text order of their
// departure time, rows of equal departure time in the order they were written.
void openResultSet(data::Query& qry4) {
    qry4.setStatement("select * from train_tmp order by s_tm collate nocase, rowid");
    qry4.open();
}

} // namespace

QueryOutcome runResultQuery(data::Connection& connection, data::Query& qry4, const ResultQuery& query) {
    data::Transaction transaction(connection);
    connection.execute("delete from train_tmp");
    if (!writeResultRows(connection, query.find(connection), query.dash))
        return {std::string(query.emptyMessage)};
    // Committed before the result set is read, so that the grid never shows
    // rows that a failed commit would take back out of train_tmp.
    transaction.commit();
    openResultSet(qry4);
    return {};
}

} // namespace tessarin::queries
