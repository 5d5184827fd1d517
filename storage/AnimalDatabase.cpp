#include "storage/AnimalDatabase.h"

#include "model/AnimalFamily.h"
#include "model/Text.h"
#include "storage/FileIO.h"
#include "storage/GeneSetFolder.h"

#include <sqlite3.h>

#include <iterator>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// "Zygo": tells our files from any other SQLite database a breeder may have called the same.
constexpr int ApplicationId = 0x5A79676F;

// Each step brings a file from the version of its index to the next one.
const char* const MigrationSteps[] = {
    // Version 1: the animals, their parents by row, a name unique within its set in any letter case.
    "CREATE TABLE animal ("
    "  id INTEGER PRIMARY KEY,"
    "  gene_set TEXT NOT NULL COLLATE NOCASE,"
    "  name TEXT NOT NULL,"
    "  sex TEXT NOT NULL CHECK (sex IN ('male', 'female', 'unknown')),"
    "  morph TEXT NOT NULL,"
    "  sire INTEGER REFERENCES animal (id),"
    "  dam INTEGER REFERENCES animal (id),"
    "  hatch_date TEXT NOT NULL,"
    "  notes TEXT NOT NULL);"
    "CREATE UNIQUE INDEX animal_name ON animal (gene_set, name COLLATE NOCASE);",
};
static_assert(std::size(MigrationSteps) == AnimalDatabaseVersion);

const char* const LeftAsItIs = " It is left as it is, and Zygora goes on without animals.";

const char* SexText(TSex sex) {
    return sex == TSex::Male ? "male" : sex == TSex::Female ? "female" : "unknown";
}

TSex SexOf(const std::string& text) {
    return text == "male" ? TSex::Male : text == "female" ? TSex::Female : TSex::Unknown;
}

class TStatement {
public:
    TStatement(sqlite3* database, const char* sql) {
        FResult = sqlite3_prepare_v2(database, sql, -1, &FStatement, nullptr);
    }
    ~TStatement() { sqlite3_finalize(FStatement); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    // Texts go in and come out byte for byte, whatever their encoding.
    void Bind(int index, const std::string& text) {
        sqlite3_bind_text(FStatement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    // Row 0 is no row: an animal without that parent.
    void BindRow(int index, sqlite3_int64 row) {
        if (row == 0)
            sqlite3_bind_null(FStatement, index);
        else
            sqlite3_bind_int64(FStatement, index, row);
    }
    bool NextRow() {
        if (FResult == SQLITE_OK || FResult == SQLITE_ROW)
            FResult = sqlite3_step(FStatement);
        return FResult == SQLITE_ROW;
    }
    // Runs a statement that gives no rows; true when it did all it had to.
    bool Run() {
        NextRow();
        return FResult == SQLITE_DONE;
    }
    bool Finished() const { return FResult == SQLITE_DONE; }
    std::string Text(int column) const {
        const auto* text = static_cast<const char*>(sqlite3_column_blob(FStatement, column));
        return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(FStatement, column))) : "";
    }
    sqlite3_int64 Number(int column) const { return sqlite3_column_int64(FStatement, column); }

private:
    sqlite3_stmt* FStatement = nullptr;
    int FResult = SQLITE_OK;
};

// An animal with the row that keeps it; row 0 for one not written yet.
struct TRow {
    sqlite3_int64 Id = 0;
    TAnimal Animal;
};

bool ReadRows(sqlite3* database, const std::string& geneSet, std::vector<TRow>& rows) {
    TStatement select(database, "SELECT id, name, sex, morph, sire, dam, hatch_date, notes FROM animal "
                                "WHERE gene_set = ?1 ORDER BY id");
    select.Bind(1, geneSet);
    std::vector<std::pair<sqlite3_int64, sqlite3_int64>> parents;
    std::unordered_map<sqlite3_int64, std::string> names;
    while (select.NextRow()) {
        TRow row;
        row.Id = select.Number(0);
        row.Animal.Name = select.Text(1);
        row.Animal.Sex = SexOf(select.Text(2));
        row.Animal.Morph = select.Text(3);
        row.Animal.HatchDate = select.Text(6);
        row.Animal.Notes = select.Text(7);
        parents.emplace_back(select.Number(4), select.Number(5));
        names.emplace(row.Id, row.Animal.Name);
        rows.push_back(std::move(row));
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i].Animal.Sire = names.count(parents[i].first) ? names[parents[i].first] : "";
        rows[i].Animal.Dam = names.count(parents[i].second) ? names[parents[i].second] : "";
    }
    return select.Finished();
}

TAnimalList AnimalsOf(const std::vector<TRow>& rows) {
    TAnimalList animals;
    for (const TRow& row : rows)
        animals.push_back(row.Animal);
    return animals;
}

} // namespace

struct TAnimalChange {
    enum class TKind { Add, Update, Delete } Kind;
    std::string Name;    // of the animal updated or deleted
    TAnimalList Animals; // the animals added, or the one an update puts in place
};

namespace {

// The set as it is after `change`. An animal renamed or deleted takes its name out of its children's
// records with it: renamed, they name the new name; deleted, they keep no parent there.
bool ApplyChange(std::vector<TRow>& rows, const TAnimalChange& change, std::string& message) {
    using TKind = TAnimalChange::TKind;
    if (change.Kind == TKind::Add) {
        for (const TAnimal& animal : change.Animals)
            rows.push_back({0, animal});
        return true;
    }
    size_t at = 0;
    while (at < rows.size() && !SameTextIgnoringCase(rows[at].Animal.Name, change.Name))
        ++at;
    if (at == rows.size()) {
        message = "There is no animal called \"" + change.Name + "\".";
        return false;
    }
    const std::string oldName = rows[at].Animal.Name;
    const std::string newName = change.Kind == TKind::Update ? change.Animals.front().Name : "";
    for (TRow& row : rows) {
        if (row.Animal.Sire == oldName)
            row.Animal.Sire = newName;
        if (row.Animal.Dam == oldName)
            row.Animal.Dam = newName;
    }
    if (change.Kind == TKind::Update)
        rows[at].Animal = change.Animals.front();
    else
        rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(at));
    return true;
}

} // namespace

TAnimalDatabase::TAnimalDatabase(std::string appDir)
    : FPath(ResolveInFolder(appDir, AnimalDatabaseFileName)), FBackups(appDir) {}

TAnimalDatabase::~TAnimalDatabase() {
    Close();
}

void TAnimalDatabase::Close() {
    sqlite3_close(FDatabase);
    FDatabase = nullptr;
}

std::string TAnimalDatabase::FailureMessage() const {
    return "Cannot save to the animals' database \"" + FPath + "\". " + sqlite3_errmsg(FDatabase);
}

bool TAnimalDatabase::Execute(const char* sql, std::string& message) {
    if (sqlite3_exec(FDatabase, sql, nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    message = FailureMessage();
    return false;
}

bool TAnimalDatabase::Open(std::string& message) {
    Close();
    if (sqlite3_open_v2(FPath.c_str(), &FDatabase, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        message = CannotOpenFileMessage(FPath, sqlite3_errmsg(FDatabase)) + "." + LeftAsItIs;
        Close();
        return false;
    }
    sqlite3_busy_timeout(FDatabase, 5000);
    if (!CheckAndMigrate(message)) {
        Close();
        return false;
    }
    return true;
}

bool TAnimalDatabase::CheckAndMigrate(std::string& message) {
    // The check reads every page, so a file that is no database or was cut short is found here, before
    // anything is written to it.
    TStatement check(FDatabase, "PRAGMA integrity_check");
    if (!check.NextRow()) {
        message = "Cannot read the animals' database \"" + FPath + "\". " + sqlite3_errmsg(FDatabase) + "." +
                  LeftAsItIs;
        return false;
    }
    if (check.Text(0) != "ok") {
        message = "The animals' database \"" + FPath + "\" is damaged: " + check.Text(0) + "." + LeftAsItIs;
        return false;
    }
    // A change is on the disk, its journal gone, before the call that made it returns: a program killed
    // in the middle of a save loses that one change and nothing before it.
    if (!Execute("PRAGMA synchronous = FULL", message))
        return false;
    TStatement header(FDatabase, "SELECT (SELECT application_id FROM pragma_application_id), "
                                 "(SELECT user_version FROM pragma_user_version), "
                                 "(SELECT count(*) FROM sqlite_master)");
    if (!header.NextRow()) {
        message = "Cannot read the animals' database \"" + FPath + "\". " + sqlite3_errmsg(FDatabase) + "." +
                  LeftAsItIs;
        return false;
    }
    const bool empty = header.Number(0) == 0 && header.Number(1) == 0 && header.Number(2) == 0;
    const sqlite3_int64 version = header.Number(1);
    if (!empty && header.Number(0) != ApplicationId) {
        message = "The file \"" + FPath + "\" is not an animals' database of Zygora." + LeftAsItIs;
        return false;
    }
    if (version > AnimalDatabaseVersion) {
        message = "The animals' database \"" + FPath + "\" was written by a newer Zygora (version " +
                  std::to_string(version) + "; this one knows up to version " +
                  std::to_string(AnimalDatabaseVersion) + ")." + LeftAsItIs;
        return false;
    }
    if (version == AnimalDatabaseVersion)
        return true;
    if (!empty)
        FBackups.KeepBeforeReplacing(FPath);
    if (!Execute("BEGIN IMMEDIATE", message))
        return false;
    bool done = true;
    for (sqlite3_int64 step = version; done && step < AnimalDatabaseVersion; ++step)
        done = Execute(MigrationSteps[step], message);
    const std::string stamp = "PRAGMA application_id = " + std::to_string(ApplicationId) +
                              "; PRAGMA user_version = " + std::to_string(AnimalDatabaseVersion);
    if (done && Execute(stamp.c_str(), message) && Execute("COMMIT", message))
        return true;
    sqlite3_exec(FDatabase, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

bool TAnimalDatabase::ListAnimals(const std::string& geneSet, TAnimalList& animals, std::string& message) {
    animals.clear();
    if (!FDatabase)
        return true;
    std::vector<TRow> rows;
    if (!ReadRows(FDatabase, geneSet, rows)) {
        message = "Cannot read the animals' database \"" + FPath + "\". " + sqlite3_errmsg(FDatabase);
        return false;
    }
    animals = AnimalsOf(rows);
    return true;
}

bool TAnimalDatabase::AddAnimal(const std::string& geneSet, const TAnimal& animal, std::string& message) {
    return ChangeFamily(geneSet, {TAnimalChange::TKind::Add, "", {animal}}, message);
}

bool TAnimalDatabase::UpdateAnimal(const std::string& geneSet, const std::string& name, const TAnimal& animal,
                                   std::string& message) {
    return ChangeFamily(geneSet, {TAnimalChange::TKind::Update, name, {animal}}, message);
}

bool TAnimalDatabase::DeleteAnimal(const std::string& geneSet, const std::string& name,
                                   std::string& message) {
    return ChangeFamily(geneSet, {TAnimalChange::TKind::Delete, name, {}}, message);
}

bool TAnimalDatabase::ImportAnimals(const std::string& geneSet, const TAnimalList& animals,
                                    std::string& message) {
    return ChangeFamily(geneSet, {TAnimalChange::TKind::Add, "", animals}, message);
}

bool TAnimalDatabase::ChangeFamily(const std::string& geneSet, const TAnimalChange& change,
                                   std::string& message) {
    if (!FDatabase) {
        message = "The animals' database is not open, so no animal can be kept.";
        return false;
    }
    FBackups.KeepBeforeReplacing(FPath);
    if (!Execute("BEGIN IMMEDIATE", message))
        return false;
    // Whatever refuses the change from here on ends the transaction unwritten.
    auto refuse = [&](std::string reason) {
        sqlite3_exec(FDatabase, "ROLLBACK", nullptr, nullptr, nullptr);
        message = std::move(reason);
        return false;
    };
    std::vector<TRow> rows;
    if (!ReadRows(FDatabase, geneSet, rows))
        return refuse(FailureMessage());
    std::map<sqlite3_int64, TAnimal> before;
    for (const TRow& row : rows)
        before.emplace(row.Id, row.Animal);
    std::string reason;
    if (!ApplyChange(rows, change, reason))
        return refuse(reason);
    if (const auto problem = FindFamilyProblem(AnimalsOf(rows)))
        return refuse(problem->Message);

    std::map<sqlite3_int64, TAnimal> removed = before;
    for (const TRow& row : rows)
        removed.erase(row.Id);
    for (const auto& [id, animal] : removed) {
        TStatement remove(FDatabase, "DELETE FROM animal WHERE id = ?1");
        remove.BindRow(1, id);
        if (!remove.Run())
            return refuse(FailureMessage());
    }
    for (TRow& row : rows) {
        if (row.Id != 0)
            continue;
        TStatement insert(FDatabase, "INSERT INTO animal (gene_set, name, sex, morph, hatch_date, notes) "
                                     "VALUES (?1, ?2, 'unknown', '', '', '')");
        insert.Bind(1, geneSet);
        insert.Bind(2, row.Animal.Name);
        if (!insert.Run())
            return refuse(FailureMessage());
        row.Id = sqlite3_last_insert_rowid(FDatabase);
    }
    // The family rules found every parent among the rows, by its name in any letter case.
    std::unordered_map<std::string, sqlite3_int64> rowOfName;
    for (const TRow& row : rows)
        rowOfName.emplace(LowerCase(row.Animal.Name), row.Id);
    auto rowOf = [&](const std::string& name) { return name.empty() ? 0 : rowOfName.at(LowerCase(name)); };
    for (const TRow& row : rows) {
        const auto old = before.find(row.Id);
        if (old != before.end() && old->second == row.Animal)
            continue;
        TStatement update(FDatabase,
                          "UPDATE animal SET name = ?2, sex = ?3, morph = ?4, sire = ?5, dam = ?6, "
                          "hatch_date = ?7, notes = ?8 WHERE id = ?1");
        update.BindRow(1, row.Id);
        update.Bind(2, row.Animal.Name);
        update.Bind(3, SexText(row.Animal.Sex));
        update.Bind(4, row.Animal.Morph);
        update.BindRow(5, rowOf(row.Animal.Sire));
        update.BindRow(6, rowOf(row.Animal.Dam));
        update.Bind(7, row.Animal.HatchDate);
        update.Bind(8, row.Animal.Notes);
        if (!update.Run())
            return refuse(FailureMessage());
    }
    return Execute("COMMIT", message) || refuse(message);
}
