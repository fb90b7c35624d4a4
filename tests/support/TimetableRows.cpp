#include "TimetableRows.h"

namespace tessarin::testing {

std::vector<std::vector<std::string>> trainRows(const std::string& id, const std::vector<Call>& calls) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const std::string km = std::to_string(100 * i);
        rows.push_back({id, "快速", calls[i].station, std::to_string(i + 1), calls[i].day, calls[i].arrival,
                        calls[i].departure, km, km, km, km, km});
    }
    return rows;
}

std::vector<std::vector<std::string>> joined(const std::vector<std::vector<std::vector<std::string>>>& trains) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& train : trains)
        rows.insert(rows.end(), train.begin(), train.end());
    return rows;
}

} // namespace tessarin::testing
