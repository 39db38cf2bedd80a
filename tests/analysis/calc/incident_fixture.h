// Stored incidents made to order: the Incidents table gets the columns the incident calculator saves, and
// each incident is one row of named texts.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "store/sqlite_db.h"

inline const std::vector<std::string>& IncidentColumns() {
  static const std::vector<std::string> columns = {
      "datefield",          "totalcostfield",        "incidenttypefield",      "incidentcausefield",
      "bodypartfield",      "categoryofworkerfield", "injurynaturefield",      "departmentfield",
      "occupationfield",    "rategroupfield",        "claimcostfield",         "absencetimefield",
      "absenceratefield",   "absenceworkplacefield", "absenceshorttermfield",  "absencelongtermfield",
      "modifiedtimefield",  "modifiedratefield",     "modifiedshorttermfield", "modifiedlongtermfield",
      "modifiedvaluefield", "indirectcostfield"};
  return columns;
}

// Adds the named columns to an Incidents table that has only its first ones.
inline void AddIncidentColumns(sql::Database& db) {
  for (const auto& c : IncidentColumns())
    ASSERT_TRUE(db.Execute("alter table incidents add column " + c + " text;"));
}

using IncidentRow = std::map<std::string, std::string>;

inline void InsertIncident(sql::Database& db, const IncidentRow& values) {
  std::string names, marks;
  for (const auto& [name, value] : values) {
    names += (names.empty() ? "" : ",") + name;
    marks += marks.empty() ? "?" : ",?";
  }
  sql::Statement st(db, "insert into incidents (" + names + ") values (" + marks + ");");
  ASSERT_TRUE(st.Prepared()) << st.Failure().message;
  int i = 1;
  for (const auto& entry : values) st.Bind(i++, entry.second);
  ASSERT_TRUE(st.Run()) << st.Failure().message;
}

// Six incidents of 2009 across types, departments and industry codes, and one of 2010.
inline void InsertFixtureIncidents(sql::Database& db) {
  const std::vector<IncidentRow> rows = {
      {{"datefield", "2009-01-01"},
       {"totalcostfield", "1000.50"},
       {"incidenttypefield", "0"},
       {"departmentfield", "Pick 'n' pack"},
       {"rategroupfield", "4711"},
       {"claimcostfield", "300"},
       {"absencetimefield", "10"},
       {"absenceratefield", "20"},
       {"absenceshorttermfield", "50"},
       {"absencelongtermfield", "10"},
       {"absenceworkplacefield", "40"},
       {"modifiedtimefield", "4"},
       {"modifiedratefield", "20"},
       {"modifiedshorttermfield", "25"},
       {"modifiedvaluefield", "50"},
       {"indirectcostfield", "100"},
       {"incidentcausefield", "3"}},
      {{"datefield", "2009-06-15"},
       {"totalcostfield", "2,000"},
       {"incidenttypefield", "1"},
       {"departmentfield", "100%_sure"},
       {"rategroupfield", " 4711 "},
       {"claimcostfield", "200.40"},
       {"modifiedtimefield", "2.5"},
       {"modifiedratefield", "10"},
       {"indirectcostfield", "50"}},
      {{"datefield", "2009-12-31"},
       {"totalcostfield", "500"},
       {"incidenttypefield", "3"},
       {"departmentfield", "100xxsure"},
       {"rategroupfield", "999"},
       {"indirectcostfield", "30"}},
      {{"datefield", "2009-03-03"},
       {"totalcostfield", "250"},
       {"incidenttypefield", "99"},
       {"departmentfield", "kitchen"},
       {"rategroupfield", ""},
       {"claimcostfield", "abc"}},
      {{"datefield", "2009-04-04"},
       {"totalcostfield", "40"},
       {"incidenttypefield", ""},
       {"departmentfield", "kitchen"},
       {"absencetimefield", "1.25"}},
      {{"datefield", "not a date"}, {"totalcostfield", "7000"}, {"incidenttypefield", "0"}},
      {{"datefield", "2010-02-02"},
       {"totalcostfield", "9000"},
       {"incidenttypefield", "2"},
       {"departmentfield", "kitchen"},
       {"rategroupfield", "4711"},
       {"absencetimefield", "8"},
       {"absenceratefield", "25"},
       {"claimcostfield", "999"}},
  };
  for (const auto& r : rows) InsertIncident(db, r);
}
