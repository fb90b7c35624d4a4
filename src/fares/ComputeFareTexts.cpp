#include "ComputeFareTexts.h"

#include "FareScale.h"
#include "MultipleUnitFares.h"
#include "TableDrivenFares.h"

namespace tessarin::fares {

FareTexts ComputeFareTexts(data::Connection& connection, const FareInputs& inputs, char decimalSeparator) {
    if (inputs.type == multipleUnitType)
        return multipleUnitFareTexts(inputs, decimalSeparator);
    FareScale scale(connection, decimalSeparator);
    return tableDrivenFareTexts(scale, inputs, decimalSeparator);
}

} // namespace tessarin::fares
