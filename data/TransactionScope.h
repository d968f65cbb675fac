#pragma once

#include "data/Connection.h"

namespace tavrix {

// All or nothing: what runs inside the scope is undone unless commit() is reached.
class TransactionScope {
public:
    explicit TransactionScope(Connection& connection) : connection_(connection) { connection_.beginTransaction(); }
    ~TransactionScope() {
        if (!committed_)
            connection_.rollbackTransaction();
    }
    TransactionScope(const TransactionScope&) = delete;
    TransactionScope& operator=(const TransactionScope&) = delete;

    void commit() {
        connection_.commitTransaction();
        committed_ = true;
    }

private:
    Connection& connection_;
    bool committed_ = false;
};

} // namespace tavrix
