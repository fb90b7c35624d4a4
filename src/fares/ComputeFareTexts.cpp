#include "ComputeFareTexts.h"

#include "MultipleUnitFares.h"
#include "TableDrivenFares.h"

namespace tessarin::fares {

FareTexts ComputeFareTexts(data::Connection& connection, const FareInputs& inputs, char decimalSeparator) {
    if (inputs.type == multipleUnitType)
        return multipleUnitFareTexts(inputs, decimalSeparator);
    return tableDrivenFareTexts(connection, inputs, decimalSeparator);
}

} // namespace tessarin::fares
