// The breeder's animals of every gene set, kept in one SQLite database in the application directory.
#pragma once

#include "model/Animal.h"
#include "storage/BackupFolder.h"

#include <string>

struct sqlite3;
struct TAnimalChange; // an addition, update or deletion, as the database applies it

inline constexpr const char* AnimalDatabaseFileName = "Animals.db";
// The layout of the tables this program writes (PRAGMA user_version); older files are brought forward
// one version at a time when they are opened.
inline constexpr int AnimalDatabaseVersion = 1;

// Every change is one transaction that keeps the family rules of its gene set, or is refused and leaves
// the file as it was. Parents are kept by row, so a renamed animal stays its children's sire or dam.
// Every method answers `true`, or `false` with a sentence for the breeder in `message`.
class TAnimalDatabase {
public:
    explicit TAnimalDatabase(std::string appDir);
    ~TAnimalDatabase();
    TAnimalDatabase(const TAnimalDatabase&) = delete;
    TAnimalDatabase& operator=(const TAnimalDatabase&) = delete;

    // Opens the file, creating it when missing. A file that cannot be read, is no database of ours, is
    // damaged or comes from a newer Zygora is named in `message` and never written to: the program goes
    // on without animals.
    bool Open(std::string& message);
    bool IsOpen() const { return FDatabase != nullptr; }
    const std::string& Path() const { return FPath; }

    // The animals of `geneSet` (named in any letter case, as its file is found) in the order they were
    // recorded, with their parents' names; none while no database is open.
    bool ListAnimals(const std::string& geneSet, TAnimalList& animals, std::string& message);
    bool AddAnimal(const std::string& geneSet, const TAnimal& animal, std::string& message);
    // Replaces the animal called `name` (in any letter case) by `animal`, its new name included.
    bool UpdateAnimal(const std::string& geneSet, const std::string& name, const TAnimal& animal,
                      std::string& message);
    // Its children keep no parent in its place; the caller asks the breeder first.
    bool DeleteAnimal(const std::string& geneSet, const std::string& name, std::string& message);
    // All of them or none, each one's parents among the set's animals or among `animals`.
    bool ImportAnimals(const std::string& geneSet, const TAnimalList& animals, std::string& message);

private:
    bool ChangeFamily(const std::string& geneSet, const TAnimalChange& change, std::string& message);
    bool CheckAndMigrate(std::string& message);
    bool Execute(const char* sql, std::string& message);
    std::string FailureMessage() const;
    void Close();

    std::string FPath;
    TBackupFolder FBackups;
    sqlite3* FDatabase = nullptr;
};
