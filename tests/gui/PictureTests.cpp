#include "storage/JpegFile.h"
#include "ui/calculation/ClutchView.h"
#include "ui/kit/Pictures.h"
#include "ui/kit/RadioGroup.h"

#include "WindowFixture.h"

#include <QPainter>
#include <QScrollBar>

#include <filesystem>

namespace {

// A picture of one colour, written by Qt's own writers; a PNG gets a transparent border.
QString MakePicture(const TTempFolder& folder, const std::string& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(name.ends_with(".png") ? QColor(Qt::transparent) : colour);
    QPainter(&image).fillRect(size.width() / 4, size.height() / 4, size.width() / 2, size.height() / 2,
                              colour);
    const QString path = QString::fromStdString(folder.File(name));
    image.save(path);
    return path;
}

void MakeImgFolder(const TWindowFixture& fixture) {
    std::filesystem::create_directory(fixture.Folder.File("Img"));
}

// The picture file a new picture of `name` is stored in, named after the gene set the selector shows.
std::string PictureOf(const TWindowFixture& fixture, const TMainWindow& window, const std::string& name) {
    return fixture.Folder.File("Img/" + window.SelectedGeneSet() + "-" + name + ".jpg");
}

TPictureFrame* Frame(const QScrollArea* box, const QString& name) {
    return box->widget()->findChild<TPictureFrame*>(name);
}

QSize Shown(const TPictureFrame* frame) {
    return frame->PictureLabel->pixmap().size();
}

// Picks `path` in the picture dialog of the frame.
void Pick(TWindowFixture& fixture, TPictureFrame* frame, const QString& path) {
    fixture.FileAnswers << path;
    frame->PictureButton->click();
}

} // namespace

class TPictureTests : public QObject {
    Q_OBJECT
private slots:
    void ImagesTabShowsPictureBearingGenesAndCombinationsNewestFirst() {
        TWindowFixture fixture;
        MakeImgFolder(fixture);
        // A camera's photograph, named as on Windows: in other letter case than the set and the gene.
        MakePicture(fixture.Folder, "Img/SERPENTIA-amelanistic.jpg", {6000, 4000}, Qt::red);
        fixture.Folder.Write("Img/Serpentia-Ultra.jpg", "GIF89a");
        auto window = fixture.StartOnDefaultSet();
        // Combinations newest first, then the picture-bearing genes, last locus and last gene first.
        const QStringList tab = ImagesTab(*window);
        QCOMPARE(tab.size(), 27);
        QCOMPARE(tab.mid(12, 3), QStringList({"PictureFrameCombi0 Amber", "PictureFrame9a0 Sunkissed",
                                              "PictureFrame8a4 MotleyXStripe"}));
        QCOMPARE(tab.mid(25), QStringList({"PictureFrame0a4 Ultra", "PictureFrame0a2 Amelanistic"}));

        // The strip shows the first locus, then the Images tab is built; each reads its files, a damaged
        // one is named once in the run, and a picture that is missing is no fault.
        window->BuildImageFrames();
        QCOMPARE(fixture.Messages,
                 QStringList({QString::fromStdString("Cannot read picture \"" +
                                                     fixture.Folder.File("Img/Serpentia-Ultra.jpg") +
                                                     "\". JPEG error #53")}));
        QVERIFY(Shown(Frame(Find<QScrollArea>(*window, "PicturesBox"), "PictureFrame0a4")).isEmpty());
        QVERIFY(Shown(Frame(Find<QScrollArea>(*window, "PicturesBox"), "PictureFrame0a5")).isEmpty());
        // A photograph is kept only as large as the frame shows it, in its own proportions, from the
        // top-left corner of the panel.
        const TPictureFrame* amel = Frame(Find<QScrollArea>(*window, "PicturesBox"), "PictureFrame0a2");
        QCOMPARE(amel->PictureLabel->size(), QSize(98, 98));
        QCOMPARE(Shown(amel), QSize(98, 65));
        QCOMPARE(amel->PictureLabel->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(amel->FramePanel->rect().contains(amel->PictureLabel->geometry()));
        const QColor corner = amel->PictureLabel->pixmap().toImage().pixelColor(0, 0);
        QVERIFY(corner.red() > 230 && corner.green() < 30);
        QCOMPARE(Shown(Frame(Find<QScrollArea>(*window, "PictureStrip"), "PictureFrame12")), QSize(98, 65));
    }

    void TheStripShowsTheSelectedLocusOrCombination() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        Find<QTabWidget>(*window, "MainTabs")->setCurrentWidget(Find<QWidget>(*window, "GeneManagementTab"));
        window->resize(900, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QWidget* strip = Find<QScrollArea>(*window, "PictureStrip")->widget();
        QCOMPARE(Strip(*window), QStringList({"PictureFrame12@0 Amelanistic", "PictureFrame14@222 Ultra",
                                              "PictureFrame15@444 Ultramel"}));
        QCOMPARE(strip->width(), 4 * 234);
        QCOMPARE(Find<QScrollArea>(*window, "PictureStrip")->horizontalScrollBar()->maximum(),
                 4 * 234 - Find<QScrollArea>(*window, "PictureStrip")->viewport()->width());

        Select(Find<QTreeWidget>(*window, "CombiListView"), 11);
        QCOMPARE(Strip(*window), QStringList({"PictureFrameCombi1@0 Snow"}));
        QCOMPARE(Frame(Find<QScrollArea>(*window, "PictureStrip"), "PictureFrameCombi1")->Combi(),
                 window->CombiList()[11]);
        QCOMPARE(strip->width(), 2 * 234);
        Select(Find<QTreeWidget>(*window, "LocusListView"), 8);
        QCOMPARE(Strip(*window), QStringList({"PictureFrame10@0 Motley", "PictureFrame13@222 Stripe",
                                              "PictureFrame14@444 MotleyXStripe"}));

        // A locus without pictures leaves the strip empty.
        TLocus* plain = window->LocusList().Add(std::make_unique<TLocus>("Plain"));
        plain->Genes().Add(std::make_unique<TGene>('+', '+', "Normal"));
        plain->Genes().Add(std::make_unique<TGene>('+', 'z', "het. Zebra"));
        Find<QToolButton>(*window, "RefreshButton")->click();
        Select(Find<QTreeWidget>(*window, "LocusListView"), window->LocusList().Count() - 1);
        QCOMPARE(Strip(*window), QStringList());
        QCOMPARE(strip->width(), 234);
        // A shown window is closed before it is destroyed, as the application does.
        window->close();
    }

    // Into the folder Img, made where it is missing.
    void PickedPicturesAreStoredAsJpeg() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        TPictureFrame* frame = Frame(Find<QScrollArea>(*window, "PictureStrip"), "PictureFrame12");
        const std::string stored = PictureOf(fixture, *window, "Amelanistic");

        // A JPEG is copied as it is.
        const QString jpeg = MakePicture(fixture.Folder, "orange.jpg", {150, 90}, QColor(240, 140, 20));
        Pick(fixture, frame, jpeg);
        QCOMPARE(TTempFolder::ReadFile(stored), fixture.Folder.Read("orange.jpg"));
        QCOMPARE(Shown(frame), QSize(98, 58));
        // The clutch view finds it by a line's whole name, or by the one name in it that is no het's.
        Find<QLineEdit>(*window, "MaleCodesEdit")->setText("aa++");
        Find<QLineEdit>(*window, "FemaleCodesEdit")->setText("aa+b");
        Find<TRadioGroup>(*window, "PossibleHetsChoice")->SetItemIndex(1);
        Find<QToolButton>(*window, "CalculateButton")->click();
        const TClutchModel& clutch = Find<TClutchView>(*window, "ClutchView")->Model();
        QCOMPARE(clutch.rowCount(), 2);
        for (int row = 0; row < 2; ++row)
            QVERIFY(!clutch.data(clutch.index(row, 0), Qt::DecorationRole).value<QPixmap>().isNull());

        // Other formats are converted; transparent parts turn white.
        const QString png = MakePicture(fixture.Folder, "green.png", {120, 80}, QColor(20, 160, 40));
        Pick(fixture, frame, png);
        QCOMPARE(Shown(frame), QSize(98, 65));
        TRgbImage image;
        std::string message;
        QCOMPARE(ReadJpegFile(stored, image, message), TReadResult::Ok);
        QCOMPARE(QSize(image.Width, image.Height), QSize(120, 80));
        const QImage decoded = ToQImage(image);
        QVERIFY(decoded.pixelColor(2, 2).lightness() > 240);
        QVERIFY(std::abs(decoded.pixelColor(40, 30).green() - 160) < 20);
        QVERIFY(fixture.Messages.isEmpty());

        // Cancel, a file that is no picture and a damaged JPEG change nothing.
        const std::string before = TTempFolder::ReadFile(stored);
        frame->PictureButton->click();
        fixture.Folder.Write("notes.png", "no picture at all");
        Pick(fixture, frame, QString::fromStdString(fixture.Folder.File("notes.png")));
        QVERIFY(fixture.Messages.last().startsWith(
            QString::fromStdString("Cannot read picture \"" + fixture.Folder.File("notes.png") + "\". ")));
        fixture.Folder.Write("cut.jpg", fixture.Folder.Read("orange.jpg").substr(0, 400));
        Pick(fixture, frame, QString::fromStdString(fixture.Folder.File("cut.jpg")));
        QCOMPARE(fixture.Messages.last(), QString("JPEG error #120"));
        QCOMPARE(fixture.Messages.size(), 2);
        QCOMPARE(TTempFolder::ReadFile(stored), before);
        QCOMPARE(Shown(frame), QSize(98, 65));

        // The Images tab shows it at its next rebuild, under the same name.
        QVERIFY(Shown(Frame(Find<QScrollArea>(*window, "PicturesBox"), "PictureFrame0a2")).isEmpty());
        window->BuildImageFrames();
        QCOMPARE(Shown(Frame(Find<QScrollArea>(*window, "PicturesBox"), "PictureFrame0a2")), QSize(98, 65));
    }
};

QTEST_MAIN(TPictureTests)
#include "PictureTests.moc"
