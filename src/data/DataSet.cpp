#include "DataSet.h"

#include "DataError.h"
#include "GbkOrder.h"
#include "LatinCase.h"

#include <algorithm>

namespace tessarin::data {
namespace {

struct SortKey {
    int field;
    bool descending;
};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

int compareValues(const std::optional<std::string>& a, const std::optional<std::string>& b) {
    if (!a || !b)
        return a ? 1 : (b ? -1 : 0);
    return compareAsGbkIgnoringLatinCase(*a, *b);
}

} // namespace

DataSet::~DataSet() {
    const auto observers = observers_;
    for (DataSetObserver* observer : observers)
        observer->dataSetEvent(DataSetEvent::Destroyed);
}

void DataSet::close() {
    if (!open_)
        return;
    open_ = false;
    fields_.clear();
    rows_.clear();
    current_ = 0;
    bof_ = eof_ = true;
    sort_.clear();
    notify(DataSetEvent::Closed);
}

void DataSet::openWith(std::vector<std::string> fields, std::vector<Row> rows) {
    fields_ = std::move(fields);
    rows_ = std::move(rows);
    open_ = true;
    current_ = 0;
    bof_ = true;
    eof_ = rows_.empty();
    sort_.clear();
    notify(DataSetEvent::Opened);
}

int DataSet::fieldCount() const {
    requireOpen();
    return static_cast<int>(fields_.size());
}

const std::string& DataSet::fieldName(int field) const {
    requireOpen();
    return fields_.at(static_cast<std::size_t>(field));
}

std::optional<int> DataSet::fieldIndex(std::string_view name) const {
    requireOpen();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (equalsIgnoringLatinCase(fields_[i], name))
            return static_cast<int>(i);
    }
    return std::nullopt;
}

int DataSet::recordCount() const {
    requireOpen();
    return static_cast<int>(rows_.size());
}

int DataSet::recNo() const {
    requireOpen();
    return rows_.empty() ? 0 : current_ + 1;
}

bool DataSet::bof() const {
    requireOpen();
    return bof_;
}

bool DataSet::eof() const {
    requireOpen();
    return eof_;
}

void DataSet::first() {
    requireOpen();
    const int before = current_;
    current_ = 0;
    bof_ = true;
    eof_ = rows_.empty();
    if (before != current_)
        notify(DataSetEvent::Scrolled);
}

void DataSet::last() {
    requireOpen();
    const int before = current_;
    current_ = rows_.empty() ? 0 : static_cast<int>(rows_.size()) - 1;
    eof_ = true;
    bof_ = rows_.empty();
    if (before != current_)
        notify(DataSetEvent::Scrolled);
}

int DataSet::moveBy(int distance) {
    requireOpen();
    if (rows_.empty()) {
        bof_ = eof_ = true;
        return 0;
    }
    if (distance == 0)
        return 0;
    const long long last = static_cast<long long>(rows_.size()) - 1;
    const long long target = std::clamp(static_cast<long long>(current_) + distance, 0LL, last);
    const int moved = static_cast<int>(target - current_);
    current_ = static_cast<int>(target);
    bof_ = distance < 0 && moved != distance;
    eof_ = distance > 0 && moved != distance;
    if (moved != 0)
        notify(DataSetEvent::Scrolled);
    return moved;
}

std::string DataSet::fieldText(std::string_view name) const {
    const auto field = fieldIndex(name);
    if (!field)
        throw DataError("Field '" + std::string(name) + "' not found");
    if (rows_.empty())
        return {};
    return text(current_, *field);
}

std::string DataSet::text(int record, int field) const {
    requireOpen();
    const auto& value = rows_.at(static_cast<std::size_t>(record)).at(static_cast<std::size_t>(field));
    return value.value_or(std::string());
}

bool DataSet::isNull(int record, int field) const {
    requireOpen();
    return !rows_.at(static_cast<std::size_t>(record)).at(static_cast<std::size_t>(field)).has_value();
}

void DataSet::setSort(std::string_view sortText) {
    requireOpen();
    std::vector<SortKey> keys;
    std::string_view rest = sortText;
    while (!trimmed(rest).empty()) {
        const auto comma = rest.find(',');
        std::string_view part = trimmed(rest.substr(0, comma));
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        bool descending = false;
        const auto blank = part.rfind(' ');
        if (blank != std::string_view::npos) {
            const std::string_view order = part.substr(blank + 1);
            if (equalsIgnoringLatinCase(order, "DESC") || equalsIgnoringLatinCase(order, "ASC")) {
                descending = equalsIgnoringLatinCase(order, "DESC");
                part = trimmed(part.substr(0, blank));
            }
        }
        const auto field = fieldIndex(part);
        if (!field)
            throw DataError("Field '" + std::string(part) + "' not found");
        keys.push_back({*field, descending});
    }
    std::stable_sort(rows_.begin(), rows_.end(), [&keys](const Row& a, const Row& b) {
        for (const SortKey& key : keys) {
            const int order = compareValues(a[key.field], b[key.field]);
            if (order != 0)
                return key.descending ? order > 0 : order < 0;
        }
        return false;
    });
    sort_ = std::string(sortText);
    current_ = 0;
    bof_ = true;
    eof_ = rows_.empty();
    notify(DataSetEvent::DataChanged);
}

const std::string& DataSet::sort() const {
    requireOpen();
    return sort_;
}

void DataSet::deleteCurrent() {
    requireOpen();
    if (rows_.empty())
        throw DataError("Either BOF or EOF is True, or the current record has been deleted.");
    deleteStoredRow(rows_[current_]);
    rows_.erase(rows_.begin() + current_);
    if (current_ >= static_cast<int>(rows_.size()) && current_ > 0)
        --current_;
    bof_ = rows_.empty();
    eof_ = rows_.empty();
    notify(DataSetEvent::DataChanged);
}

void DataSet::deleteStoredRow(const Row&) {}

void DataSet::addObserver(DataSetObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void DataSet::removeObserver(DataSetObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void DataSet::requireOpen() const {
    if (!open_)
        throw DataError("Cannot perform this operation on a closed dataset");
}

void DataSet::notify(DataSetEvent event) {
    // An observer may remove itself while it is told.
    const auto observers = observers_;
    for (DataSetObserver* observer : observers)
        observer->dataSetEvent(event);
}

} // namespace tessarin::data
