// The breeder's animals in their SQLite file: every field kept, refused changes and damaged, foreign or
// newer files left byte for byte, a backup per run, and a save killed halfway losing only itself.
#include "storage/AnimalDatabase.h"

#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TAnimal Animal(const std::string& name, TSex sex, const std::string& sire = "", const std::string& dam = "") {
    return {name,
            sex,
            "Pastel 66% poss het Clown",
            sire,
            dam,
            "2025-06-30",
            std::string("From \"Expo\"\r\nnot UTF-8: \xFF, a NUL: \0.", 37)};
}

TAnimalList List(TAnimalDatabase& database, const std::string& geneSet) {
    TAnimalList animals;
    std::string message;
    EXPECT_TRUE(database.ListAnimals(geneSet, animals, message)) << message;
    return animals;
}

} // namespace

TEST(AnimalDatabase, KeepsEveryFieldAndFollowsRenamesAndDeletes) {
    TTempFolder folder;
    std::string message;
    const TAnimal sire = Animal("Zoë Ωmega", TSex::Male),
                  young = Animal("Young", TSex::Unknown, "zoë Ωmega", "dam");
    {
        TAnimalDatabase database(folder.Path());
        ASSERT_TRUE(database.Open(message) && database.AddAnimal("Ball Python", sire, message) &&
                    database.ImportAnimals("Ball Python", {young, Animal("Dam", TSex::Female)}, message) &&
                    database.AddAnimal("Boa", Animal("YOUNG", TSex::Male), message))
            << message;
    }
    TAnimalDatabase database(folder.Path());
    ASSERT_TRUE(database.Open(message)) << message;
    EXPECT_EQ(
        List(database, "ball python"),
        (TAnimalList{sire, Animal("Young", TSex::Unknown, sire.Name, "Dam"), Animal("Dam", TSex::Female)}));
    EXPECT_EQ(List(database, "Boa"), TAnimalList{Animal("YOUNG", TSex::Male)});

    const TAnimal renamed = {"Atlas", TSex::Male, "Clown", "", "", "", ""};
    ASSERT_TRUE(database.UpdateAnimal("Ball Python", "ZOë Ωmega", renamed, message) &&
                database.DeleteAnimal("Ball Python", "DAM", message))
        << message;
    EXPECT_EQ(List(database, "Ball Python"), (TAnimalList{renamed, Animal("Young", TSex::Unknown, "Atlas")}));
}

TEST(AnimalDatabase, RefusedChangesLeaveTheFileAsItWas) {
    TTempFolder folder;
    std::string message;
    TAnimalDatabase database(folder.Path());
    const TAnimalList family = {Animal("Sire", TSex::Male), Animal("Dam", TSex::Female),
                                Animal("Son", TSex::Male, "Sire", "Dam")};
    ASSERT_TRUE(database.Open(message) && database.ImportAnimals("Boa", family, message)) << message;
    const std::string before = folder.Read(AnimalDatabaseFileName);
    // Without a name: the animals imported; with one and no animal: a deletion; else an update.
    const std::vector<std::tuple<std::string, TAnimalList, std::string>> refusals = {
        {"", {Animal("SON", TSex::Female)}, "The name \"SON\" is given to more than one animal."},
        {"",
         {Animal("New", TSex::Male), Animal("Bad", TSex::Male, "Dam")},
         "The sire \"Dam\" of \"Bad\" is not a male."},
        {"Sire", {Animal("Sire", TSex::Female)}, "The sire \"Sire\" of \"Son\" is not a male."},
        {"Sire", {Animal("Sire", TSex::Male, "Son")}, "\"Sire\" is among its own ancestors."},
        {"Son", {Animal("dam", TSex::Male)}, "The name \"dam\" is given to more than one animal."},
        {"Nobody", {}, "There is no animal called \"Nobody\"."},
    };
    for (const auto& [name, animals, expected] : refusals) {
        EXPECT_FALSE(name.empty()      ? database.ImportAnimals("Boa", animals, message)
                     : animals.empty() ? database.DeleteAnimal("Boa", name, message)
                                       : database.UpdateAnimal("Boa", name, animals[0], message));
        EXPECT_EQ(message, expected);
        EXPECT_EQ(folder.Read(AnimalDatabaseFileName), before) << expected;
    }
    EXPECT_EQ(List(database, "Boa"), family);

    // A journal the system cannot create: the change is refused with the system's word, nothing written.
    std::filesystem::create_directory(database.Path() + "-journal");
    EXPECT_FALSE(database.AddAnimal("Boa", Animal("New", TSex::Male), message));
    EXPECT_EQ(message.rfind("Cannot save to the animals' database \"" + database.Path() + "\". ", 0), 0u);
    EXPECT_EQ(folder.Read(AnimalDatabaseFileName), before);
}

TEST(AnimalDatabase, KeepsTheFileAsItWasBeforeTheFirstChangeOfEachRun) {
    TTempFolder folder;
    for (const std::string run : {"1", "2"}) {
        std::string message;
        TAnimalDatabase database(folder.Path());
        ASSERT_TRUE(database.Open(message));
        const std::string before = folder.Read(AnimalDatabaseFileName);
        ASSERT_TRUE(database.AddAnimal("Boa", Animal("First " + run, TSex::Male), message) &&
                    database.AddAnimal("Boa", Animal("Second " + run, TSex::Male), message));
        EXPECT_EQ(folder.Read(std::string("Backup/") + AnimalDatabaseFileName), before) << "run " << run;
    }
}

TEST(AnimalDatabase, DamagedForeignAndNewerFilesAreNamedAndLeftAsTheyAre) {
    TTempFolder source;
    std::string message;
    {
        TAnimalDatabase database(source.Path());
        ASSERT_TRUE(database.Open(message) && database.AddAnimal("Boa", Animal("Sire", TSex::Male), message));
    }
    const std::string valid = source.Read(AnimalDatabaseFileName);
    std::string noise = valid, damagedIndex = valid;
    for (char& c : noise)
        c = static_cast<char>(std::rand());
    // The name in the index no longer that of the row: every page reads, but the check finds them apart.
    damagedIndex[damagedIndex.rfind("Sire") + 3] = 'f';
    // Foreign and newer databases as another program, or a later Zygora, leaves them: SQL run on a new file.
    const std::vector<std::tuple<std::string, std::string, std::string>> files = {
        {"noise", noise, "Cannot read the animals' database \"%\". file is not a database."},
        {"half", valid.substr(0, valid.size() / 2), "Cannot read the animals' database \"%\". "},
        {"index", damagedIndex, "The animals' database \"%\" is damaged: row 1 missing from index"},
        {"SQL", "CREATE TABLE clients (name TEXT)", "The file \"%\" is not an animals' database of Zygora."},
        {"SQL", "PRAGMA application_id = 1517905775; PRAGMA user_version = 2",
         "The animals' database \"%\" was written by a newer Zygora (version 2; this one knows up to version "
         "1)."},
    };
    for (auto [what, content, expected] : files) {
        TTempFolder folder;
        TAnimalDatabase database(folder.Path());
        sqlite3* handle = nullptr;
        folder.Write(AnimalDatabaseFileName, what == "SQL" ? "" : content);
        sqlite3_open(database.Path().c_str(), &handle);
        sqlite3_exec(handle, what == "SQL" ? content.c_str() : "", {}, {}, {});
        sqlite3_close(handle);
        const std::string before = folder.Read(AnimalDatabaseFileName);
        EXPECT_FALSE(database.Open(message)) << what;
        EXPECT_EQ(message.rfind(expected.replace(expected.find('%'), 1, database.Path()), 0), 0u) << message;
        EXPECT_NE(message.find("left as it is, and Zygora goes on without animals."), std::string::npos);
        EXPECT_TRUE(List(database, "Boa").empty());
        EXPECT_FALSE(database.AddAnimal("Boa", Animal("Sire", TSex::Male), message));
        EXPECT_EQ(folder.Read(AnimalDatabaseFileName), before) << what;
    }
}

TEST(AnimalDatabase, AKillInTheMiddleOfSavingLosesAtMostThatAnimal) {
    TTempFolder folder;
    std::mt19937 random(26);
    size_t kept = 0;
    for (int round = 0; round < 6; ++round) {
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        if (child == 0) {
            // Each animal the son of the one before: every save reads and checks the whole family.
            std::string message;
            TAnimalDatabase database(folder.Path());
            for (size_t i = kept; database.IsOpen() || database.Open(message); ++i) {
                const std::string sire = i ? "A" + std::to_string(i - 1) : "";
                if (!database.AddAnimal("Boa", Animal("A" + std::to_string(i), TSex::Male, sire), message) ||
                    write(pipeEnds[1], &i, sizeof i) != sizeof i)
                    break;
            }
            _exit(1);
        }
        close(pipeEnds[1]);
        usleep(std::uniform_int_distribution<useconds_t>(20000, 300000)(random));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        size_t acknowledged = kept, i = 0;
        while (read(pipeEnds[0], &i, sizeof i) == sizeof i)
            acknowledged = i + 1;
        close(pipeEnds[0]);

        std::string message;
        TAnimalDatabase database(folder.Path());
        ASSERT_TRUE(database.Open(message)) << message;
        const TAnimalList animals = List(database, "Boa");
        ASSERT_TRUE(animals.size() == acknowledged || animals.size() == acknowledged + 1) << animals.size();
        for (size_t k = 0; k < animals.size(); ++k)
            ASSERT_EQ(animals[k],
                      Animal("A" + std::to_string(k), TSex::Male, k ? "A" + std::to_string(k - 1) : ""));
        kept = animals.size();
    }
    EXPECT_GT(kept, 6u);
}
