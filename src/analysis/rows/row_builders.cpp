#include "analysis/rows/row_builders.h"

#include "analysis/rows/rows_globals.h"

int AddBARow(int, int, int, const std::string&, std::int64_t, int, int, const std::string&, const std::string&,
             int) {
  return BARowY;
}
int AddCGRow(int, int, int, const std::string&, std::int64_t, int, int, const std::string&, const std::string&,
             int) {
  return CGRowY;
}
int AddPIRow(int, int, int, const std::string&, std::int64_t, int, int, const std::string&, const std::string&,
             int) {
  return PIRowY;
}
