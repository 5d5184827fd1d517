#include "storage/DefaultGeneSet.h"
#include "storage/FileIO.h"
#include "storage/GeneSetFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(DefaultGeneSet, WritesTheSameBytesToBothFilesEveryTime) {
    TTempFolder folder;
    folder.Write("Serpentia.INI", "[Extra]\r\nkept=no\r\n");
    std::string message;
    ASSERT_TRUE(WriteDefaultGeneSetFiles(folder.Path(), message)) << message;
    const std::string first = folder.Read("GenericZygora.INI");
    ASSERT_TRUE(WriteDefaultGeneSetFiles(folder.Path(), message)) << message;
    EXPECT_EQ(folder.Read("GenericZygora.INI"), first);
    EXPECT_EQ(folder.Read("Serpentia.INI"), first);
    EXPECT_EQ(folder.EntryCount(), 2);

    EXPECT_EQ(SplitLines(first).size(), 108u);
    EXPECT_TRUE(first.starts_with("[Statistics]\r\nLocusCount=10\r\n"));
    EXPECT_TRUE(first.ends_with("kk=k = k\r\n+k=+ > k\r\n"));
    EXPECT_EQ(first.find("\r\n\r\n"), std::string::npos);
    EXPECT_NE(first.find("\r\n0-3=+u:het. ultra\r\n"), std::string::npos);
    EXPECT_NE(first.find("\r\n2-2=+c:het Bloodred\r\n"), std::string::npos);
}

TEST(DefaultGeneSet, LoadsAsTheSerpentiaSet) {
    TGeneSet set;
    ASSERT_EQ(LoadGeneSetText(DefaultGeneSetText(), set, "Serpentia.INI"), "");
    ASSERT_EQ(set.LocusList.Count(), 10);
    int genes = 0;
    std::set<std::string> pairs;
    for (int i = 0; i < set.LocusList.Count(); ++i) {
        genes += set.LocusList[i]->Genes().Count();
        for (const std::string& entry : set.LocusList[i]->Weights())
            pairs.insert(entry.substr(0, 2));
        EXPECT_EQ(set.LocusList[i]->Weights().size(), static_cast<size_t>(set.LocusList[i]->Genes().Count()));
    }
    EXPECT_EQ(genes, 36);
    EXPECT_EQ(pairs.size(), 27u);
    EXPECT_EQ(set.CombiList.Count(), 13);
}
