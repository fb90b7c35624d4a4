#include "DataSource.h"

#include "DataSet.h"

#include <algorithm>

namespace tessarin::data {

DataSource::DataSource(DataSet* dataSet) { setDataSet(dataSet); }

DataSource::~DataSource() {
    if (dataSet_)
        dataSet_->removeObserver(this);
    // Grids that outlive the source must let go of it.
    notify(DataSetEvent::Destroyed);
}

void DataSource::setDataSet(DataSet* dataSet) {
    if (dataSet == dataSet_)
        return;
    if (dataSet_)
        dataSet_->removeObserver(this);
    dataSet_ = dataSet;
    if (dataSet_)
        dataSet_->addObserver(this);
    notify(isActive() ? DataSetEvent::Opened : DataSetEvent::Closed);
}

bool DataSource::isActive() const { return dataSet_ && dataSet_->isOpen(); }

void DataSource::addObserver(DataSetObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void DataSource::removeObserver(DataSetObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void DataSource::dataSetEvent(DataSetEvent event) {
    if (event == DataSetEvent::Destroyed) {
        dataSet_ = nullptr;
        notify(DataSetEvent::Closed);
        return;
    }
    notify(event);
}

void DataSource::notify(DataSetEvent event) {
    const auto observers = observers_;
    for (DataSetObserver* observer : observers)
        observer->dataSetEvent(event);
}

} // namespace tessarin::data
