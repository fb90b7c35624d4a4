#pragma once

#include "RunningTime.h"

#include <sqlite3.h>

#include <optional>
#include <string>

namespace tessarin::queries {

// The SQL function running_time(departure, arrival, day difference) on one
// connection while this object lives: runningTimeText() of the three texts
// (SQL NULL reads as empty text) with the option given. A text that is not a
// number fails the statement; rethrowConversionError() then raises the
// ConversionError that runningTimeText() gave, with its message, so that the
// caller sees the same error as when the time is worked out outside SQL.
class RunningTimeFunction {
public:
    RunningTimeFunction(sqlite3* db, DashDeparture dash);
    ~RunningTimeFunction();
    RunningTimeFunction(const RunningTimeFunction&) = delete;
    RunningTimeFunction& operator=(const RunningTimeFunction&) = delete;

    // Raises the ConversionError of the last failed call, if there was one.
    void rethrowConversionError() const;

private:
    static void call(sqlite3_context* context, int count, sqlite3_value** arguments);

    sqlite3* db_;
    DashDeparture dash_;
    std::optional<std::string> conversionError_;
};

} // namespace tessarin::queries
