// Every save of the file layer failing at every step it can fail at: the old file stays byte for byte,
// no temporary file is left, and the message names the file.
#include "storage/DefaultGeneSet.h"
#include "storage/FileIO.h"
#include "storage/GeneSetFile.h"
#include "storage/JpegFile.h"
#include "storage/PairingFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Gene-set text of about 130 KiB: saving it takes three writes of the file layer.
TGeneSet LargeGeneSet() {
    TGeneSet set;
    TLocus* locus = set.LocusList.Add(std::make_unique<TLocus>("Scales"));
    for (int i = 0; i < 4000; ++i)
        locus->Genes().Add(std::make_unique<TGene>('+', static_cast<char>('A' + i % 26),
                                                   "Scale pattern number " + std::to_string(i)));
    return set;
}

struct TSaver {
    std::string What;
    std::function<bool(const std::string& path, std::string& message)> Save;
    // The message expected for `path`, up to the system's reason.
    std::function<std::string(const std::string& path)> Message;
};

std::vector<TSaver> Savers() {
    static const TGeneSet set = LargeGeneSet();
    const auto unableToWrite = [](const std::string& path) { return "Unable to write to " + path; };
    const auto cannotCreate = [](const std::string& path) { return "Cannot create file \"" + path + "\". "; };
    return {
        {"gene set",
         [](const std::string& path, std::string& message) { return SaveGeneSet(path, set, message); },
         unableToWrite},
        {"name in the main settings file",
         [](const std::string& path, std::string& message) {
             return WriteFileKey(path, "Statistics", "IniFile", "Boas", message);
         },
         unableToWrite},
        {"pairing",
         [](const std::string& path, std::string& message) {
             return SavePairing(path, {std::string(150000, 'a'), std::string(150000, 'b')}, message);
         },
         cannotCreate},
        {"picture",
         [](const std::string& path, std::string& message) {
             return WriteJpegBytes(path, std::string(200000, '\xFF'), message);
         },
         cannotCreate},
    };
}

// The failures a save can meet: each step of the file layer, and each of the writes.
struct TFault {
    TWriteStep Step;
    int Index;
};
const std::vector<TFault> Faults = {{TWriteStep::CreateTemporary, 0}, {TWriteStep::Write, 0},
                                    {TWriteStep::Write, 1},           {TWriteStep::Write, 2},
                                    {TWriteStep::Flush, 0},           {TWriteStep::Rename, 0}};

class TFaultHook {
public:
    TFaultHook(TFault fault, int error) {
        SetWriteFaultHook([fault, error](TWriteStep step, int index) {
            return step == fault.Step && index == fault.Index ? error : 0;
        });
    }
    ~TFaultHook() { SetWriteFaultHook(nullptr); }
    TFaultHook(const TFaultHook&) = delete;
    TFaultHook& operator=(const TFaultHook&) = delete;
};

// The file a save replaces; large, so that the key update also takes several writes.
const std::string OldContent = [] {
    std::string content = "[Statistics]\r\nLocusCount=0\r\nIniFile=Old\r\n[Notes]\r\n";
    for (int i = 0; i < 4000; ++i)
        content += std::to_string(i) + "=A breeder's note that no reader of ours asks for\r\n";
    return content;
}();

} // namespace

TEST(SaveFaults, EverySaveFailingAtEveryStepKeepsTheOldFileAndLeavesNothingBehind) {
    for (const TSaver& saver : Savers())
        for (const TFault& fault : Faults) {
            SCOPED_TRACE(saver.What + ", step " + std::to_string(int(fault.Step)) + " #" +
                         std::to_string(fault.Index));
            TTempFolder folder;
            folder.Write("target", OldContent);
            std::string message;
            {
                const TFaultHook hook(fault, ENOSPC);
                EXPECT_FALSE(saver.Save(folder.File("target"), message));
            }
            EXPECT_EQ(message.rfind(saver.Message(folder.File("target")), 0), 0u) << message;
            EXPECT_TRUE(folder.Read("target") == OldContent);
            EXPECT_EQ(folder.EntryCount(), 1);

            // Without the fault the same save goes through, so the fault was what stopped it.
            EXPECT_TRUE(saver.Save(folder.File("target"), message)) << message;
            EXPECT_TRUE(folder.Read("target") != OldContent);
            EXPECT_EQ(folder.EntryCount(), 1);
        }
}

TEST(SaveFaults, ATargetThatIsAFolderOrInAMissingFolderIsRefused) {
    for (const TSaver& saver : Savers()) {
        SCOPED_TRACE(saver.What);
        TTempFolder folder;
        std::filesystem::create_directory(folder.File("target"));
        std::string message;
        EXPECT_FALSE(saver.Save(folder.File("target"), message));
        EXPECT_EQ(message.rfind(saver.Message(folder.File("target")), 0), 0u) << message;
        EXPECT_TRUE(std::filesystem::is_directory(folder.File("target")));
        EXPECT_EQ(folder.EntryCount(), 1);
        EXPECT_FALSE(saver.Save(folder.File("missing/target"), message));
        EXPECT_EQ(message.rfind(saver.Message(folder.File("missing/target")), 0), 0u) << message;
        EXPECT_TRUE(message.starts_with("Unable") || message.ends_with(SystemReason(ENOENT))) << message;
    }
}

TEST(SaveFaults, RestoringDefaultsStopsAtTheFirstFileThatFails) {
    for (const TFault& fault : Faults) {
        SCOPED_TRACE("step " + std::to_string(int(fault.Step)) + " #" + std::to_string(fault.Index));
        TTempFolder folder;
        folder.Write("GenericZygora.INI", OldContent);
        folder.Write("Serpentia.INI", OldContent);
        std::string message;
        {
            // The default text fits one write, so a fault at a later write never comes.
            const TFaultHook hook(fault, EIO);
            const bool written = WriteDefaultGeneSetFiles(folder.Path(), message);
            EXPECT_EQ(written, fault.Step == TWriteStep::Write && fault.Index > 0);
        }
        if (fault.Step == TWriteStep::Write && fault.Index > 0)
            continue;
        EXPECT_EQ(message,
                  "Cannot create file \"" + folder.File("GenericZygora.INI") + "\". Input/output error");
        EXPECT_TRUE(folder.Read("GenericZygora.INI") == OldContent);
        EXPECT_TRUE(folder.Read("Serpentia.INI") == OldContent);
        EXPECT_EQ(folder.EntryCount(), 2);
    }
}
