#include "RunningTimeFunction.h"

#include "ConversionError.h"
#include "data/DataError.h"

#include <string_view>

namespace tessarin::queries {
namespace {

constexpr const char* functionName = "running_time";
constexpr int argumentCount = 3;

std::string_view textOf(sqlite3_value* value) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

} // namespace

RunningTimeFunction::RunningTimeFunction(sqlite3* db, DashDeparture dash) : db_(db), dash_(dash) {
    if (sqlite3_create_function_v2(db_, functionName, argumentCount, SQLITE_UTF8, this, call, nullptr, nullptr,
                                   nullptr) != SQLITE_OK)
        throw data::DataError(sqlite3_errmsg(db_));
}

RunningTimeFunction::~RunningTimeFunction() {
    sqlite3_create_function_v2(db_, functionName, argumentCount, SQLITE_UTF8, nullptr, nullptr, nullptr, nullptr,
                               nullptr);
}

void RunningTimeFunction::rethrowConversionError() const {
    if (conversionError_)
        throw ConversionError(*conversionError_);
}

void RunningTimeFunction::call(sqlite3_context* context, int, sqlite3_value** arguments) {
    auto* self = static_cast<RunningTimeFunction*>(sqlite3_user_data(context));
    try {
        const std::string text =
            runningTimeText(textOf(arguments[0]), textOf(arguments[1]), textOf(arguments[2]), self->dash_);
        sqlite3_result_text(context, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    } catch (const ConversionError& error) {
        self->conversionError_ = error.what();
        sqlite3_result_error(context, error.what(), -1);
    } catch (const std::bad_alloc&) {
        sqlite3_result_error_nomem(context);
    }
}

} // namespace tessarin::queries
