// What a breeder may bring to the window: a pairing file that is no pairing, a damaged or unreadable
// gene-set file. The window reports, never crashes, and never saves over a file it could not read.

#include "calc/Calculation.h"
#include "ui/kit/RadioGroup.h"

#include "WindowFixture.h"

#include <filesystem>

namespace {

// A file past the read bound of 256 MB, which takes no room on the disk.
void WriteGiant(const TTempFolder& folder, const std::string& name) {
    folder.Write(name, "");
    std::filesystem::resize_file(folder.File(name), std::uintmax_t(300) << 20);
}

QString TooLarge(const TTempFolder& folder, const std::string& name) {
    return QString::fromStdString("Cannot open file \"" + folder.File(name) + "\". The file is too large");
}

} // namespace

class THostileInputTests : public QObject {
    Q_OBJECT
private slots:
    void AFileThatIsNoPairingChangesNothing() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        // Which files are no pairing is the file layer's to say; the window then keeps the fields.
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("+a");
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("aa");
        fixture.Folder.Write("three.zyg", "aa\r\n++\r\nee\r\n");
        fixture.AnswerFile("three.zyg");
        Find<QAction>(*window, "LoadCalculationAction")->trigger();
        QCOMPARE(Pairing(*window), QString("+a x aa"));
        // A pairing of another gene set is named, never calculated into a report that looks right.
        fixture.Folder.Write("balls.zyg", "+p+s\r\n++\r\n");
        fixture.AnswerFile("balls.zyg");
        Find<QAction>(*window, "LoadCalculationAction")->trigger();
        QVERIFY(window->Result()->Refused());
        QCOMPARE(Find<TReportView>(*window, "ReportView")->Text(),
                 "\"+p\" in the male's codes is no gene of this gene set. The gene set in memory is \"" +
                     QString::fromStdString(window->GeneSet().Name) + "\".");
    }

    void AFileThatCannotBeReadChangesNothingAndIsNeverSavedOver() {
        TWindowFixture fixture;
        fixture.WriteSerpentiaFolder();
        WriteGiant(fixture.Folder, "Boas.INI");
        fixture.Folder.Write("Damaged.INI", "[Statistics]\r\nLocusCount=2000000000\r\nCombiCount=-3\r\n");
        auto window = fixture.Start();
        PickEntry(Selectors(*window, "MaleSelectors")[0], 2);
        PickGeneSet(*window, "Boas");
        QCOMPARE(fixture.Messages, QStringList({TooLarge(fixture.Folder, "Boas.INI")}));
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString("Serpentia"));
        QCOMPARE(window->GeneSetName(), std::string("Serpentia"));
        QCOMPARE(window->LocusList().Count(), 10);
        QCOMPARE(Find<QLineEdit>(*window, "MaleCodesEdit")->text(), QString("aa"));
        // A damaged set, by contrast, loads as far as it can and is named.
        PickGeneSet(*window, "Damaged");
        QCOMPARE(window->GeneSetName(), std::string("Damaged"));
        QCOMPARE(window->LocusList().Count(), 0);
        QVERIFY(fixture.Messages.last().contains(QString::fromStdString(fixture.Folder.File("Damaged.INI"))));
        QCOMPARE(std::filesystem::file_size(fixture.Folder.File("Boas.INI")), std::uintmax_t(300) << 20);
        // Once it can be read again, the file is its set's own like any other: read, changed, saved.
        fixture.Folder.Write("Boas.INI", BoasSet);
        PickGeneSet(*window, "Boas");
        Find<TRadioGroup>(*window, "RatioChoice")->SetItemIndex(1);
        window->close();
        QVERIFY(fixture.Folder.Read("Boas.INI").find("RatioIndex=1") != std::string::npos);

        // An unreadable main settings file leaves the window without a set; neither it nor the set named
        // beside it is written over at exit.
        TWindowFixture second;
        second.WriteDefaultSet("Serpentia.INI");
        WriteGiant(second.Folder, "GenericZygora.INI");
        window = second.Start();
        QCOMPARE(second.Messages, QStringList({TooLarge(second.Folder, "GenericZygora.INI")}));
        QCOMPARE(window->LocusList().Count(), 0);
        QCOMPARE(Find<QComboBox>(*window, "GeneSetSelector")->currentText(), QString());
        window->close();
        QCOMPARE(second.Messages.size(), 1);
        QCOMPARE(std::filesystem::file_size(second.Folder.File("GenericZygora.INI")), std::uintmax_t(300)
                                                                                          << 20);
        QCOMPARE(second.Folder.Read("Serpentia.INI"), DefaultGeneSetText());
    }
};

QTEST_MAIN(THostileInputTests)
#include "HostileInputTests.moc"
