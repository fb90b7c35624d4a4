#pragma once

#include "CliContext.h"

namespace tessarin::cli {

// sql STATEMENT: runs one statement and prints its rows tab-separated, after a
// header line of the field names (nothing for a statement without rows).
int runSqlCommand(CliContext& context);

} // namespace tessarin::cli
