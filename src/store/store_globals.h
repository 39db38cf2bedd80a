// The record store's state: the one open record database of the program.
#pragma once

#include "store/sqlite_db.h"

// The file in the current directory that holds every record; open from start-up to exit.
inline sql::Database RecordDatabase;
