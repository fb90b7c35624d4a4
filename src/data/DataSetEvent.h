#pragma once

namespace tessarin::data {

// What happened to a data set, as its observers (data sources, grids) hear it.
enum class DataSetEvent {
    Opened,      // a new result is open, positioned on its first record
    Closed,      // no result any more
    Scrolled,    // the current record moved
    DataChanged, // records were reordered or deleted
    Destroyed,   // the data set is going away; drop every reference to it
};

class DataSetObserver {
public:
    virtual void dataSetEvent(DataSetEvent event) = 0;

protected:
    ~DataSetObserver() = default;
};

} // namespace tessarin::data
