#include "storage/DefaultGeneSet.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

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

    // The breeders' texts as they stand, typos included.
    EXPECT_NE(first.find("\r\n0-3=+u:het. ultra\r\n"), std::string::npos);
    EXPECT_NE(first.find("\r\n2-2=+c:het Bloodred\r\n"), std::string::npos);
}
