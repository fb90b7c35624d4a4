#pragma once

#include "Connection.h"

namespace tessarin::data {

// A write transaction on a connection: everything between construction and
// commit() lands together or, when the scope is left without commit (an
// error), not at all. Another process never sees the work half done.
class Transaction {
public:
    explicit Transaction(Connection& connection) : connection_(connection) {
        connection_.execute("begin immediate");
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction() {
        if (!finished_)
            sqlite3_exec(connection_.handle(), "rollback", nullptr, nullptr, nullptr);
    }

    void commit() {
        connection_.execute("commit");
        finished_ = true;
    }

private:
    Connection& connection_;
    bool finished_ = false;
};

} // namespace tessarin::data
