// zygora-calc run as breeders' scripts run it: its outputs, options and exit codes.
#include "calc/Calculation.h"
#include "model/Text.h"
#include "storage/DefaultGeneSet.h"
#include "storage/GeneSetFile.h"
#include "storage/ShippedGeneSets.h"

#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct TRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

std::string Quoted(const std::string& argument) {
    std::string quoted = "'";
    for (const char c : argument)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

TRun RunTool(const std::vector<std::string>& arguments, const std::string& environment = "LC_ALL=C") {
    TTempFolder folder;
    std::string command = environment + " " + Quoted(ZYGORA_CALC_TOOL);
    for (const std::string& argument : arguments)
        command.append(" ").append(Quoted(argument));
    command.append(" >").append(Quoted(folder.File("out"))).append(" 2>").append(Quoted(folder.File("err")));
    command.append(" </dev/null");
    const int status = std::system(command.c_str());
    return TRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, folder.Read("out"), folder.Read("err")};
}

const char* const SmallSet =
    "[Config]\r\nMale=+a\r\nFemale=aa\r\n[Statistics]\r\nLocusCount=1\r\nCombiCount=0\r\n"
    "RatioIndex=1\r\nPossibleHetsIndex=1\r\nLocus0GeneCount=3\r\n[LOCUS]\r\n0=Amel\r\n"
    "[Gene]\r\n0-0=++:Normal\r\n0-1=+a:het. Amel\r\n0-2=aa:Amelanistic\r\n";

// The Arabic decimal separator (U+066B), one character of two bytes.
const std::string ArabicPoint = "\xD9\xAB";

// The offspring lines of a printed report: what follows the banner.
std::string OffspringOf(const std::string& out) {
    const size_t banner = out.find("-----");
    return banner == std::string::npos ? out : out.substr(banner + 52);
}

} // namespace

TEST(ZygoraCalc, ReportGridAndJson) {
    const TRun run = RunTool({"--male", "+a", "--female", "+a"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out.substr(0, 36), "Male   = het. Amel  \nFemale = het. A");
    EXPECT_EQ(OffspringOf(run.Out), "3/4 Normal(66% poss. het. Amelanistic) \n1/4 Amelanistic  \n");
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(RunTool({"--male", "+a", "--female", "+a", "--grid"}).Out, "\t+\ta\n+\t++\t+a\na\t+a\taa\n");

    const TRun json = RunTool({"--male", "+a", "--female", "aa", "--json", "--possible-index", "0"});
    EXPECT_EQ(json.Out,
              "{\"report\":[\"Male   = het. Amel  \",\"Female = Amelanistic  \",\"\","
              "\"Offspring predicted as: \",\"\",\"---------------------------------------------------\","
              "\"1/2 Normal(het. Amelanistic) \",\"1/2 Amelanistic  \"],\"offspring\":["
              "{\"line\":\"++\",\"count\":1,\"total\":2,\"share\":{\"numerator\":1,\"denominator\":2},"
              "\"name\":\"Normal\",\"possibleHets\":\"(het. Amelanistic) \"},"
              "{\"line\":\"aa\",\"count\":1,\"total\":2,\"share\":{\"numerator\":1,\"denominator\":2},"
              "\"name\":\"Amelanistic  \",\"possibleHets\":\"\"}]}\n");
}

// Outputs kept from before the JSON was written line by line, byte for byte: escapes, non-ASCII and
// Windows-1252 names, health notes, clutch odds, eggs that do not hatch, numbers past 64 bits.
TEST(ZygoraCalc, JsonAndGridAreWrittenAsTheyAlwaysWere) {
    const std::string odd = ZYGORA_TOOL_OUTPUTS "/Odd.INI";
    const std::string possible = "+a:1,+b:1,+c:1,+d:1,+e:1";
    for (const auto& [arguments, expected] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--gene-set", odd, "--json", "--clutch", "7", "--combi-index", "1", "--possible-index", "0"},
              "odd-clutch.json"},
             {{"--gene-set", odd, "--json", "--combi-index", "1", "--pheno-index", "1", "--ratio-index", "1",
               "--decimal-separator", "\xE9"},
              "odd-percent.json"},
             {{"--male", "+a+b+c+d+e", "--female", "+a+b+c+d+e", "--male-possible", possible,
               "--female-possible", possible, "--json", "--pheno-index", "1", "--combi-index", "1",
               "--ratio-index", "1"},
              "possible-hets.json"},
             {{"--gene-set", odd, "--grid"}, "odd.grid"}}) {
        std::ifstream file(ZYGORA_TOOL_OUTPUTS "/" + expected, std::ios::binary);
        EXPECT_EQ(RunTool(arguments).Out, std::string(std::istreambuf_iterator<char>(file), {})) << expected;
    }
}

// The JSON is the whole calculation's result, in every choice of the report; the seven loci list their
// 2,187 genotypes in several of the batches the tool writes while it names the next.
TEST(ZygoraCalc, JsonHoldsEveryLineOfTheResult) {
    for (const auto& [male, female, possible] :
         {std::tuple{"+a+b+c+d", "+a+b+c+d", ""}, std::tuple{"+a+i+k", "au+jkk", "+a:66"},
          std::tuple{"+a+b+c+d+e+f+g", "+a+b+c+d+e+f+g", ""}})
        for (int choices = 0; choices < 16; ++choices) {
            TGeneSet set;
            LoadGeneSetText(DefaultGeneSetText(), set, "Serpentia.INI");
            const TCalcOptions options{choices & 1, choices >> 1 & 1, choices >> 2 & 1, choices >> 3 & 1};
            const TCalcResult result = RunCalculation(male, female, options, set.LocusList, set.CombiList,
                                                      {ReadPossibleHets(possible).Hets, {}});
            nlohmann::ordered_json report = nlohmann::ordered_json::array();
            for (const std::string& line : result.ReportLines())
                report.push_back(Utf8Of(line));
            nlohmann::ordered_json offspring = nlohmann::ordered_json::array();
            for (size_t i = 0; i < result.OffspringLineCount(); ++i) {
                const TOffspringLine line = result.OffspringLine(i);
                const TFraction share = line.Share();
                offspring.push_back({{"line", line.Line},
                                     {"count", static_cast<uint64_t>(line.Count)},
                                     {"total", static_cast<uint64_t>(line.Total)},
                                     {"share",
                                      {{"numerator", static_cast<uint64_t>(share.Numerator)},
                                       {"denominator", static_cast<uint64_t>(share.Denominator)}}},
                                     {"name", line.Name},
                                     {"possibleHets", line.PossibleText}});
            }
            const nlohmann::ordered_json expected = {{"report", report}, {"offspring", offspring}};
            std::vector<std::string> arguments = {"--male", male, "--female", female, "--json"};
            for (const auto& [option, choice] : {std::pair{"--ratio-index", options.RatioIndex},
                                                 {"--combi-index", options.CombiIndex},
                                                 {"--pheno-index", options.PhenotypeIndex},
                                                 {"--possible-index", options.PossibleHetsIndex}})
                arguments.insert(arguments.end(), {option, std::to_string(choice)});
            arguments.insert(arguments.end(), {"--male-possible", possible});
            const std::string out = RunTool(arguments).Out;
            EXPECT_EQ(nlohmann::ordered_json::parse(out), expected) << choices;
            EXPECT_EQ(out, expected.dump() + "\n");
        }
}

TEST(ZygoraCalc, PossibleHetsFromTheOptionsOrTheFile) {
    // The file's key, and each share reduced: 4 of 6 weighted cells are 2/3.
    TTempFolder folder;
    std::string set = SmallSet;
    folder.Write("Small.INI", set.insert(set.find("[Statistics]"), "MalePossible=+a:66\r\n"));
    const nlohmann::json json =
        nlohmann::json::parse(RunTool({"--gene-set", folder.File("Small.INI"), "--json"}).Out);
    EXPECT_EQ(json["offspring"][0]["count"], 4);
    EXPECT_EQ(json["offspring"][0]["share"], nlohmann::json::parse(R"({"numerator":2,"denominator":3})"));

    // The options' lists, twelve possible hets of 1%: numbers beyond 64 bits are written as their digits.
    const std::vector<std::string> parent = {"+a+b+c+d+e+f", "+a:1,+b:1,+c:1,+d:1,+e:1,+f:1"};
    const nlohmann::json huge =
        nlohmann::json::parse(RunTool({"--male", parent[0], "--female", parent[0], "--male-possible",
                                       parent[1], "--female-possible", parent[1], "--json"})
                                  .Out);
    EXPECT_EQ(huge["offspring"][63]["share"]["numerator"], 1);
    EXPECT_EQ(huge["offspring"][63]["share"]["denominator"], "4096000000000000000000000000");
}

TEST(ZygoraCalc, WeightsAndChoicesComeFromTheFileUnlessGivenAndAreClamped) {
    TTempFolder folder;
    folder.Write("Small.INI", SmallSet);
    const std::string file = folder.File("Small.INI");
    EXPECT_EQ(RunTool({"--gene-set", file, "--weights"}).Out, "0\t+a:+ > a\n");
    // The file's parents and choices: percentages, no possible hets.
    EXPECT_EQ(OffspringOf(RunTool({"--gene-set", file}).Out), "50.00% het. Amel  \n50.00% Amelanistic  \n");
    EXPECT_EQ(
        OffspringOf(RunTool({"--gene-set", file, "--ratio-index", "0", "--decimal-separator", ","}).Out),
        "1/2 het. Amel  \n1/2 Amelanistic  \n");
    // One character of two bytes is printed whole.
    EXPECT_EQ(OffspringOf(RunTool({"--gene-set", file, "--decimal-separator", ArabicPoint}).Out),
              "50" + ArabicPoint + "00% het. Amel  \n50" + ArabicPoint + "00% Amelanistic  \n");
    EXPECT_EQ(RunTool({"--male=", "--female="}).Out.substr(0, 17), "Male   = Normal\nF");
}

TEST(ZygoraCalc, DefaultAndShippedGeneSets) {
    EXPECT_EQ(RunTool({"--default-gene-set"}).Out, DefaultGeneSetText());
    EXPECT_EQ(RunTool({"--list-gene-sets"}).Out,
              "Serpentia\nBall Python\nBoa\nLeopard Gecko\nWestern Hognose\n");
    const TRun shipped = RunTool({"--shipped-gene-set", "lEOPARD gECKO"});
    EXPECT_EQ(shipped.ExitCode, 0);
    EXPECT_EQ(shipped.Out, ShippedGeneSetText("Leopard Gecko"));
    const TRun unknown = RunTool({"--shipped-gene-set", "Carpet Python"});
    EXPECT_EQ(unknown.ExitCode, 2);
    EXPECT_NE(unknown.Err.find("\"Carpet Python\""), std::string::npos);
    EXPECT_NE(unknown.Err.find("Western Hognose"), std::string::npos);
}

TEST(ZygoraCalc, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> wrong = {{"--colour"},
                                                         {"--male"},
                                                         {"--ratio-index", "x"},
                                                         {"--pheno-index", "1.5"},
                                                         {"--possible-index", ""},
                                                         {"--decimal-separator", ".."},
                                                         {"--grid", "--json"},
                                                         {"--grid=yes"},
                                                         {"--clutch", "0"},
                                                         {"--clutch", "100"},
                                                         {"--clutch", "99999999999999999999"},
                                                         {"+a"},
                                                         {"--male-possible", "+a:0"},
                                                         {"--male-possible", "+e:50", "--male", "a+e+"},
                                                         {"--female-possible", "+a:66,+a:50"}};
    for (const auto& arguments : wrong) {
        const TRun run = RunTool(arguments);
        EXPECT_EQ(run.ExitCode, 2) << arguments[0];
        EXPECT_NE(run.Err.find("Usage: zygora-calc"), std::string::npos) << arguments[0];
        EXPECT_EQ(run.Out, "");
    }
    // Parents in words: each unknown word named; known ones give the report of their codes.
    const TRun fog = RunTool({"--male-morph", "het Amel fog", "--female-morph", "x"});
    EXPECT_EQ(fog.ExitCode, 2);
    EXPECT_NE(fog.Err.find("--male-morph: These words name no gene or combination of the gene set: \"fog\""),
              std::string::npos);
    EXPECT_EQ(RunTool({"--male", "+a", "--female", "+b"}).ExitCode, 2); // genes of two loci at one place
    EXPECT_EQ(RunTool({"--male-morph", "het amel", "--female-morph", "Amelanistic", "--grid"}).Out,
              RunTool({"--male", "+a", "--female", "aa", "--grid"}).Out);
    // A number out of range is named as typed, not as the number it was clamped to.
    const TRun huge = RunTool({"--clutch", "99999999999999999999"});
    EXPECT_NE(huge.Err.find("\"99999999999999999999\""), std::string::npos) << huge.Err;
    EXPECT_NE(RunTool({"--male-possible", "+a:100"}).Err.find("a chance from 1 to 99, not \"+a:100\""),
              std::string::npos);
}

TEST(ZygoraCalc, MissingOrUnreadableFilesAndRefusalsExitWithOne) {
    TTempFolder folder;
    const TRun missing = RunTool({"--gene-set", folder.File("Nowhere.INI")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_NE(missing.Err.find("does not exist"), std::string::npos) << missing.Err;
    const TRun unreadable = RunTool({"--gene-set", folder.Path()});
    EXPECT_EQ(unreadable.ExitCode, 1);
    EXPECT_NE(unreadable.Err.find("cannot be read"), std::string::npos) << unreadable.Err;
    const TRun refused = RunTool({"--male", std::string(62, '+') + "+a", "--json"});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Err.find("Too large to calculate"), std::string::npos) << refused.Err;
    EXPECT_EQ(refused.Out, "");
}

TEST(ZygoraCalc, DecimalSeparatorFollowsTheLocaleUnlessGiven) {
    // A Pashto locale, whose separator is the Arabic one of two bytes, and a German one, whose comma is one
    // byte, built for this test alone where the system has the locale sources.
    TTempFolder locales;
    for (const std::string locale : {"ps_AF", "de_DE"}) {
        const std::string build = "localedef -i " + locale + " -f UTF-8 " +
                                  Quoted(locales.File(locale + ".UTF-8")) + " >/dev/null 2>&1";
        if (std::system(build.c_str()) != 0)
            GTEST_SKIP() << "the system cannot build the locale " << locale;
    }
    const std::string pashto = "LOCPATH=" + Quoted(locales.Path()) + " LC_ALL=ps_AF.UTF-8";
    std::vector<std::string> percentages = {"--male", "+a", "--female", "aa", "--ratio-index", "1"};
    EXPECT_EQ(OffspringOf(RunTool(percentages, pashto).Out),
              "50" + ArabicPoint + "00% Normal(het. Amelanistic) \n50" + ArabicPoint + "00% Amelanistic  \n");
    const std::string german = "LOCPATH=" + Quoted(locales.Path()) + " LC_ALL=de_DE.UTF-8";
    EXPECT_EQ(OffspringOf(RunTool(percentages, german).Out).substr(0, 7), "50,00% ");
    percentages.insert(percentages.end(), {"--decimal-separator", "."});
    EXPECT_EQ(OffspringOf(RunTool(percentages, pashto).Out).substr(0, 7), "50.00% ");
}

TEST(ZygoraCalc, JsonTextIsUtf8ReadAsWindows1252WhereTheBytesAreNot) {
    TTempFolder folder;
    std::string set = SmallSet;
    // A surrogate in UTF-8 form is no UTF-8: the name reads as the three Windows-1252 characters í, NBSP, €.
    set.replace(set.find("Amelanistic"), 11, "\xED\xA0\x80");
    folder.Write("Odd.INI", set);
    const TRun run = RunTool({"--gene-set", folder.File("Odd.INI"), "--json"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    const nlohmann::json json = nlohmann::json::parse(run.Out); // refuses any text that is not UTF-8
    EXPECT_EQ(json["offspring"][1]["name"], "\xC3\xAD\xC2\xA0\xE2\x82\xAC  ");
    // Written as the characters themselves, not as \u escapes.
    EXPECT_NE(run.Out.find("\"\xC3\xAD\xC2\xA0\xE2\x82\xAC  \""), std::string::npos);
}

TEST(ZygoraCalc, ClutchOddsHealthNotesAndEggsThatDoNotHatch) {
    TTempFolder folder;
    folder.Write("Spider.INI", "[Statistics]\r\nLocusCount=1\r\nLocus0GeneCount=3\r\n[Gene]\r\n"
                               "0-0=++:Normal\r\n0-1=+s:Spider\r\n0-2=ss:Super Spider\r\n[Weight]\r\n"
                               "+s=+ = s\r\n[Health]\r\n0-1=Note:wobble\r\n0-2=Lethal\r\n");
    std::vector<std::string> clutch = {
        "--gene-set", folder.File("Spider.INI"), "--male", "+s", "--female", "+s", "--clutch",
        "12",         "--decimal-separator",     ","};
    // The report's lines are the calculation's own; the clutch lines follow them.
    EXPECT_TRUE(
        RunTool(clutch).Out.ends_with("of the eggs do not hatch: Super Spider\n"
                                      "Normal: 3,0 expected, 96,8% at least one in a clutch of 12\n"
                                      "Spider: 6,0 expected, >99,9% at least one in a clutch of 12\n"));
    clutch.push_back("--json");
    const nlohmann::json json = nlohmann::json::parse(RunTool(clutch).Out);
    EXPECT_EQ(json["offspring"][1]["health"], "wobble");
    EXPECT_EQ(json["offspring"][0]["clutch"].dump(), R"({"atLeastOne":"96,8%","eggs":12,"expected":"3,0"})");
    EXPECT_EQ(json["unhatched"].dump(), R"({"denominator":4,"lethal":["Super Spider"],"numerator":1})");
    // A separator of one Windows-1252 byte reaches the odds' texts as its character, in valid UTF-8.
    clutch[clutch.size() - 2] = "\xE9";
    const TRun oneByte = RunTool(clutch);
    EXPECT_EQ(oneByte.ExitCode, 0) << oneByte.Err;
    EXPECT_EQ(nlohmann::json::parse(oneByte.Out)["offspring"][0]["clutch"]["expected"], "3\xC3\xA9"
                                                                                        "0");
}

// The breeder's animals: a normal-looking son of two hets, a visual female, and what they tell.
TEST(ZygoraCalc, AnimalsChancesAndPlanAsTextAndJsonWithTheirExitCodes) {
    TTempFolder folder;
    folder.Write("Amel.INI", SmallSet);
    folder.Write("animals.csv", "name,sex,morph,sire,dam\nSire,male,het Amel,,\nDam,female,het Amel,,\n"
                                "Son,male,,Sire,Dam\nVis,female,Amelanistic,,\nEgg,unknown,,Sire,Dam\n");
    const std::vector<std::string> animals = {"--gene-set", folder.File("Amel.INI"), "--animals",
                                              folder.File("animals.csv")};
    const auto run = [&animals](std::vector<std::string> more) {
        more.insert(more.begin(), animals.begin(), animals.end());
        return RunTool(more);
    };
    const TRun son = run({"--chances", "son"});
    EXPECT_EQ(son.ExitCode, 0) << son.Err;
    EXPECT_EQ(son.Out, "66.7% poss. het. Amelanistic\n");
    EXPECT_EQ(run({"--chances", "Son", "--json"}).Out,
              "{\"name\":\"Son\",\"possibleHets\":[{\"name\":\"het. Amelanistic\",\"share\":"
              "{\"numerator\":2,\"denominator\":3}}]}\n");
    EXPECT_EQ(run({"--chances", "Vis"}).Out, "");

    const TRun plan = run({"--plan", "Amelanistic", "--clutch", "12", "--decimal-separator", ","});
    EXPECT_EQ(plan.ExitCode, 0) << plan.Err;
    EXPECT_EQ(plan.Out, "Sire x Vis: 50,0% of the eggs, 6,0 expected, >99,9% at least one in a clutch of 12\n"
                        "Son x Vis: 33,3% of the eggs, 4,0 expected, 99,2% at least one in a clutch of 12\n"
                        "Sire x Dam: 25,0% of the eggs, 3,0 expected, 96,8% at least one in a clutch of 12\n"
                        "Son x Dam: 16,7% of the eggs, 2,0 expected, 88,8% at least one in a clutch of 12; "
                        "parent and offspring\n");
    const nlohmann::json json =
        nlohmann::json::parse(run({"--plan", "any of Amelanistic", "--json", "--clutch", "3"}).Out);
    EXPECT_EQ(json["pairings"].size(), 4u);
    EXPECT_EQ(json["pairings"][3].dump(),
              R"({"atLeastOne":"42.1%","expected":"0.5","female":"Dam","kinship":)"
              R"("parent and offspring","male":"Son","share":{"denominator":6,"numerator":1}})");

    // Whatever is wrong is named and exits 2; a file that cannot be read exits 1.
    folder.Write("bad.csv", "name,sex,morph,sire,dam\nRex,male,Amelanistic fog,,\n");
    for (const auto& [arguments, message, exitCode] :
         std::vector<std::tuple<std::vector<std::string>, std::string, int>>{
             {{"--chances", "Nemo"}, "no animal named \"Nemo\" in " + folder.File("animals.csv"), 2},
             {{"--plan", "Amel fog"}, "--plan: The goal \"Amel fog\": These words name", 2},
             {{"--animals", folder.File("bad.csv"), "--plan", "Amelanistic"},
              folder.File("bad.csv") +
                  ": Row 1: These words name no gene or combination of the gene set: \"fog\"",
              2},
             {{"--animals", folder.File("none.csv"), "--plan", "Amelanistic"}, "Cannot open file", 1},
             {{"--json"}, "--animals needs --chances NAME or --plan GOAL", 2},
             {{"--plan", "Amelanistic", "--grid"}, "no --grid or --weights", 2},
             {{"--plan", "Amelanistic", "--chances", "Son"}, "excludes", 2}}) {
        const TRun wrong = run(arguments);
        EXPECT_EQ(wrong.ExitCode, exitCode) << arguments[0];
        EXPECT_NE(wrong.Err.find(message), std::string::npos) << wrong.Err;
        EXPECT_EQ(wrong.Out, "");
    }
    EXPECT_EQ(RunTool({"--chances", "Son"}).ExitCode, 2); // no animals to look in
}
