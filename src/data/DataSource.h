#pragma once

#include "DataSetEvent.h"

#include <vector>

namespace tessarin::data {

class DataSet;

// Presents one data set to any number of grids (ds1): it passes on every
// event of its data set, and tells its observers Opened or Closed when it is
// pointed at another data set, and Destroyed when it goes away itself.
class DataSource : private DataSetObserver {
public:
    explicit DataSource(DataSet* dataSet = nullptr);
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;
    ~DataSource();

    void setDataSet(DataSet* dataSet);
    DataSet* dataSet() const noexcept { return dataSet_; }
    // True when the data set is there and open.
    bool isActive() const;

    void addObserver(DataSetObserver* observer);
    void removeObserver(DataSetObserver* observer);

private:
    void dataSetEvent(DataSetEvent event) override;
    void notify(DataSetEvent event);

    DataSet* dataSet_ = nullptr;
    std::vector<DataSetObserver*> observers_;
};

} // namespace tessarin::data
