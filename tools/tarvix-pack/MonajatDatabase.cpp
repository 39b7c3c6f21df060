// Read access to the monajat database.
#include "MonajatDatabase.h"

#include "data/TextUtils.h"
#include "data/TxError.h"

#include <algorithm>

namespace {

std::string ColumnText(sqlite3_stmt* Query, int Column) {
    const unsigned char* Text = sqlite3_column_text(Query, Column);
    if (!Text)
        return std::string();
    return std::string(reinterpret_cast<const char*>(Text),
                       static_cast<size_t>(sqlite3_column_bytes(Query, Column)));
}

bool IsPlainName(const std::string& Name) {
    return !Name.empty() && !(Name[0] >= '0' && Name[0] <= '9') &&
           std::all_of(Name.begin(), Name.end(), [](char C) {
               return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') ||
                      C == '_';
           });
}

} // namespace

TMonajatDatabase::TMonajatDatabase(const std::string& FileName, const std::string& Table,
                                   const std::string& Where)
    : FFileName(FileName) {
    // The table name goes into the statement text: only a plain identifier.
    if (!IsPlainName(Table))
        throw ETxError(Where + ": \"" + Table + "\" is not a plain table name");
    if (!FileExists(FileName))
        throw ETxError(Where + ": the database \"" + FileName +
                       "\" does not exist (install monajat-data, or pass --monajat FILE)");
    if (sqlite3_open_v2(FileName.c_str(), &FDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        const std::string Message = FDb ? sqlite3_errmsg(FDb) : "out of memory";
        sqlite3_close(FDb);
        FDb = nullptr;
        throw ETxError(Where + ": cannot open \"" + FileName + "\": " + Message);
    }
    const std::string Sql =
        "SELECT text, merits FROM \"" + Table + "\" WHERE ref = ?1 AND lang = ?2 AND id = ?3";
    if (sqlite3_prepare_v2(FDb, Sql.c_str(), -1, &FQuery, nullptr) != SQLITE_OK) {
        const std::string Message = sqlite3_errmsg(FDb);
        sqlite3_close(FDb);
        FDb = nullptr;
        throw ETxError(Where + ": cannot read table \"" + Table + "\" of \"" + FileName +
                       "\": " + Message);
    }
}

TMonajatDatabase::~TMonajatDatabase() {
    sqlite3_finalize(FQuery);
    sqlite3_close(FDb);
}

TMonajatRow TMonajatDatabase::Row(const std::string& Ref, const std::string& Lang,
                                  const std::string& Id, const std::string& Where) {
    sqlite3_reset(FQuery);
    sqlite3_clear_bindings(FQuery);
    sqlite3_bind_text(FQuery, 1, Ref.c_str(), static_cast<int>(Ref.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(FQuery, 2, Lang.c_str(), static_cast<int>(Lang.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(FQuery, 3, Id.c_str(), static_cast<int>(Id.size()), SQLITE_TRANSIENT);
    TMonajatRow Row;
    int Found = 0;
    int Step;
    while ((Step = sqlite3_step(FQuery)) == SQLITE_ROW) {
        if (++Found == 1) {
            Row.Text = ColumnText(FQuery, 0);
            Row.Merits = ColumnText(FQuery, 1);
        }
    }
    if (Step != SQLITE_DONE)
        throw ETxError(Where + ": reading \"" + FFileName + "\" failed: " + sqlite3_errmsg(FDb));
    const std::string What = "ref " + Ref + ", lang " + Lang + ", id " + Id;
    if (Found == 0)
        throw ETxError(Where + ": no database row with " + What);
    if (Found > 1)
        throw ETxError(Where + ": " + std::to_string(Found) + " database rows with " + What);
    return Row;
}
