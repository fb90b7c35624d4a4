#pragma once

#include "SqliteHandles.h"

#include <filesystem>

namespace tessarin::data {

// Opens the database that holds a connection's scratch table train_tmp, with
// the table made when missing.
//
// An empty `file` gives a private database in memory, seen by this handle
// alone and gone when it closes. Otherwise the file is opened, made when
// missing; a file that is not a database, or that holds anything but
// train_tmp of the expected columns, is replaced by a fresh one. A file that
// can be neither opened nor made gives a private database instead: the
// results then last as long as the connection. A file another process keeps
// locked longer than the busy timeout is a DataFileInUseError.
DatabaseHandle openScratchDatabase(const std::filesystem::path& file);

} // namespace tessarin::data
