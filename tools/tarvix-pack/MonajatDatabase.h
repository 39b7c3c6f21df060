// Read access to the SQLite database of the monajat sources: one row by ref,
// lang and id. The database is opened read-only.
#pragma once

#include <sqlite3.h>
#include <string>

struct TMonajatRow {
    std::string Text;
    std::string Merits; // empty when the column is NULL
};

class TMonajatDatabase {
public:
    // Where names the source in messages. ETxError when the file cannot be
    // opened or Table is not a plain table name.
    TMonajatDatabase(const std::string& FileName, const std::string& Table,
                     const std::string& Where);
    ~TMonajatDatabase();
    TMonajatDatabase(const TMonajatDatabase&) = delete;
    TMonajatDatabase& operator=(const TMonajatDatabase&) = delete;

    // The one row with these values; ETxError when there is none or more
    // than one (the choice would be arbitrary).
    TMonajatRow Row(const std::string& Ref, const std::string& Lang, const std::string& Id,
                    const std::string& Where);

private:
    sqlite3* FDb = nullptr;
    sqlite3_stmt* FQuery = nullptr;
    std::string FFileName;
};
