#include "storage/JpegFile.h"
#include "ui/Pictures.h"
#include "ui/uFrmEditCombi.h"
#include "ui/uFrmEditGene.h"
#include "ui/uPnlImageFrame.h"

#include "WindowFixture.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <filesystem>

namespace {

// A picture of our own: a coloured field with a dark disc, written by Qt's own writers. A PNG gets
// transparent corners.
QString MakePicture(const TTempFolder& folder, const std::string& name, QSize size, QColor colour) {
    const bool png = name.ends_with(".png");
    QImage image(size, png ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    image.fill(png ? Qt::transparent : colour);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    if (png) {
        painter.setBrush(colour);
        painter.drawRect(size.width() / 4, size.height() / 4, size.width() / 2, size.height() / 2);
    }
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPoint(size.width() / 2, size.height() / 2), 4, 4);
    painter.end();
    const QString path = QString::fromStdString(folder.File(name));
    image.save(path);
    return path;
}

// A camera's photograph, 6000 x 4000 pixels of pure red.
void WritePhotograph(const TTempFolder& folder, const std::string& name) {
    TRgbImage photo{6000, 4000, std::vector<std::uint8_t>(size_t(6000) * 4000 * 3)};
    for (size_t i = 0; i < photo.Pixels.size(); i += 3)
        photo.Pixels[i] = 255;
    std::string bytes;
    std::string message;
    QVERIFY2(EncodeJpeg(photo, PictureQuality, bytes, message), message.c_str());
    folder.Write(name, bytes);
}

void MakeImgFolder(const TWindowFixture& fixture) {
    std::filesystem::create_directory(fixture.Folder.File("Img"));
}

// The picture file a new picture of `name` is stored in, named after the gene set the selector shows.
std::string PictureOf(const TWindowFixture& fixture, const TfrmMain& window, const std::string& name) {
    return fixture.Folder.File("Img/" + window.SelectedGeneSet() + "-" + name + ".jpg");
}

// The Images tab from top to bottom: each frame's name and the name it shows.
QStringList ImagesTab(const TfrmMain& window) {
    QStringList frames;
    QLayout* rows = window.sbxImages->widget()->layout();
    for (int i = 0; i < rows->count(); ++i)
        if (auto* frame = qobject_cast<TpnlImageFrame*>(rows->itemAt(i)->widget()))
            frames << frame->objectName() + " " + frame->lbDescription->text();
    return frames;
}

// The strip from left to right: each frame's name, left edge and the name it shows.
QStringList Strip(const TfrmMain& window) {
    QList<TpnlImageFrame*> frames = window.sbxImages2->widget()->findChildren<TpnlImageFrame*>();
    std::sort(frames.begin(), frames.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    QStringList strip;
    for (const TpnlImageFrame* frame : frames)
        strip << frame->objectName() + "@" + QString::number(frame->x()) + " " + frame->lbDescription->text();
    return strip;
}

TpnlImageFrame* Frame(const QScrollArea* box, const QString& name) {
    return box->widget()->findChild<TpnlImageFrame*>(name);
}

QSize Shown(const TpnlImageFrame* frame) {
    return frame->Image->pixmap().size();
}

// Picks `path` in the picture dialog of the frame.
void Pick(TWindowFixture& fixture, TpnlImageFrame* frame, const QString& path) {
    fixture.FileAnswers << path;
    frame->btnImage->click();
}

} // namespace

class TPictureTests : public QObject {
    Q_OBJECT
private slots:
    void ImagesTabShowsPictureBearingGenesAndCombinationsNewestFirst() {
        TWindowFixture fixture;
        MakeImgFolder(fixture);
        // Named as on Windows; the selector shows the set as "serpentia".
        WritePhotograph(fixture.Folder, "Img/Serpentia-Amelanistic.jpg");
        fixture.Folder.Write("Img/Serpentia-Ultra.jpg", "GIF89a");
        auto window = fixture.StartOnDefaultSet();
        QCOMPARE(ImagesTab(*window),
                 QStringList({"pnlImageFrameCombi12 Sulfur",    "pnlImageFrameCombi11 Snow",
                              "pnlImageFrameCombi10 Plasma",    "pnlImageFrameCombi9 Phantom",
                              "pnlImageFrameCombi8 Pewter",     "pnlImageFrameCombi7 Pepper",
                              "pnlImageFrameCombi6 Opal",       "pnlImageFrameCombi5 Ice",
                              "pnlImageFrameCombi4 Golddust",   "pnlImageFrameCombi3 Ghost",
                              "pnlImageFrameCombi2 Butter",     "pnlImageFrameCombi1 Blizzard",
                              "pnlImageFrameCombi0 Amber",      "pnlImageFrame9a0 Sunkissed",
                              "pnlImageFrame8a4 MotleyXStripe", "pnlImageFrame8a3 Stripe",
                              "pnlImageFrame8a0 Motley",        "pnlImageFrame7a0 Lavender",
                              "pnlImageFrame6a0 Lava",          "pnlImageFrame5a0 Hypomelanistic",
                              "pnlImageFrame4a0 Charcoal",      "pnlImageFrame3a1 Caramel",
                              "pnlImageFrame2a1 Bloodred",      "pnlImageFrame1a1 Anerythristic",
                              "pnlImageFrame0a5 Ultramel",      "pnlImageFrame0a4 Ultra",
                              "pnlImageFrame0a2 Amelanistic"}));
        const TpnlImageFrame* amel = Frame(window->sbxImages, "pnlImageFrame0a2");
        QCOMPARE(amel->Gene(), window->LocusList()[0]->Genes()[2]);
        QCOMPARE(Frame(window->sbxImages, "pnlImageFrameCombi3")->Combi(), window->CombiList()[3]);

        // The strip shows the first locus, then the Images tab is built; each reads its files, a damaged
        // one is named once in the run, and a picture that is missing is no fault.
        window->BuildImageFrames();
        QCOMPARE(fixture.Messages,
                 QStringList({QString::fromStdString("Cannot read picture \"" +
                                                     fixture.Folder.File("Img/Serpentia-Ultra.jpg") +
                                                     "\". JPEG error #53")}));
        QVERIFY(Shown(Frame(window->sbxImages, "pnlImageFrame0a4")).isEmpty());
        QVERIFY(Shown(Frame(window->sbxImages, "pnlImageFrame0a5")).isEmpty());
        // A photograph is kept only as large as the frame shows it, in its own proportions, from the
        // top-left corner of the panel.
        amel = Frame(window->sbxImages, "pnlImageFrame0a2");
        QCOMPARE(amel->Image->size(), QSize(98, 98));
        QCOMPARE(Shown(amel), QSize(98, 65));
        QCOMPARE(amel->Image->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QVERIFY(amel->Panel1->rect().contains(amel->Image->geometry()));
        const QColor corner = amel->Image->pixmap().toImage().pixelColor(0, 0);
        QVERIFY(corner.red() > 230 && corner.green() < 30);
        QCOMPARE(Shown(Frame(window->sbxImages2, "pnlImageFrame12")), QSize(98, 65));
    }

    void TheStripShowsTheSelectedLocusOrCombination() {
        TWindowFixture fixture;
        auto window = fixture.StartOnDefaultSet();
        window->pcMain->setCurrentWidget(window->tsIni);
        window->resize(900, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QWidget* strip = window->sbxImages2->widget();
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrame12@0 Amelanistic", "pnlImageFrame14@222 Ultra",
                                              "pnlImageFrame15@444 Ultramel"}));
        QCOMPARE(strip->width(), 4 * 234);
        QCOMPARE(window->sbxImages2->horizontalScrollBar()->maximum(),
                 4 * 234 - window->sbxImages2->viewport()->width());

        Select(window->lvCombiList, 11);
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrameCombi1@0 Snow"}));
        QCOMPARE(Frame(window->sbxImages2, "pnlImageFrameCombi1")->Combi(), window->CombiList()[11]);
        QCOMPARE(strip->width(), 2 * 234);
        Select(window->lvLocusList, 8);
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrame10@0 Motley", "pnlImageFrame13@222 Stripe",
                                              "pnlImageFrame14@444 MotleyXStripe"}));

        // A locus of many pictures scrolls; one without any leaves the strip empty.
        TLocus* locus = window->LocusList()[9];
        for (const char allele : std::string("lmnopqr"))
            locus->Genes().Add(std::make_unique<TGene>(allele, allele, std::string("Morph ") + allele));
        Select(window->lvLocusList, 9);
        QCOMPARE(Strip(*window).size(), 8);
        QCOMPARE(Strip(*window).last(), QString("pnlImageFrame19@1554 Morph r"));
        QCOMPARE(strip->width(), 9 * 234);
        TLocus* plain = window->LocusList().Add(std::make_unique<TLocus>("Plain"));
        plain->Genes().Add(std::make_unique<TGene>('+', '+', "Normal"));
        plain->Genes().Add(std::make_unique<TGene>('+', 'z', "het. Zebra"));
        window->ShowLocusImages(plain);
        QCOMPARE(Strip(*window), QStringList());
        QCOMPARE(strip->width(), 234);
        // A shown window is closed before it is destroyed, as the application does.
        window->close();
    }

    void PickedPicturesAreStoredAsJpeg() {
        TWindowFixture fixture;
        MakeImgFolder(fixture);
        QString offered;
        SetFileDialogHandler([&](const QString&, const QString& filter) {
            offered = filter;
            return fixture.FileAnswers.isEmpty() ? QString() : fixture.FileAnswers.takeFirst();
        });
        auto window = fixture.StartOnDefaultSet();
        TpnlImageFrame* frame = Frame(window->sbxImages2, "pnlImageFrame12");
        const std::string stored = PictureOf(fixture, *window, "Amelanistic");

        // A JPEG is copied as it is.
        const QString jpeg = MakePicture(fixture.Folder, "orange.jpg", {150, 90}, QColor(240, 140, 20));
        Pick(fixture, frame, jpeg);
        QVERIFY(offered.contains("*.png") && offered.contains("*.jpg") && offered.contains("*.bmp"));
        QCOMPARE(TTempFolder::ReadFile(stored), fixture.Folder.Read("orange.jpg"));
        QCOMPARE(Shown(frame), QSize(98, 58));

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
        QVERIFY(decoded.pixelColor(40, 30).red() < 50);
        Pick(fixture, frame, MakePicture(fixture.Folder, "blue.bmp", {64, 48}, Qt::blue));
        QCOMPARE(ReadJpegFile(stored, image, message), TReadResult::Ok);
        QCOMPARE(image.Width, 64);
        QVERIFY(fixture.Messages.isEmpty());

        // Cancel, a file that is no picture and a damaged JPEG change nothing.
        const std::string before = TTempFolder::ReadFile(stored);
        frame->btnImage->click();
        fixture.Folder.Write("notes.png", "no picture at all");
        Pick(fixture, frame, QString::fromStdString(fixture.Folder.File("notes.png")));
        QVERIFY(fixture.Messages.last().startsWith(
            QString::fromStdString("Cannot read picture \"" + fixture.Folder.File("notes.png") + "\". ")));
        fixture.Folder.Write("cut.jpg", fixture.Folder.Read("orange.jpg").substr(0, 400));
        Pick(fixture, frame, QString::fromStdString(fixture.Folder.File("cut.jpg")));
        QCOMPARE(fixture.Messages.last(), QString("JPEG error #120"));
        QCOMPARE(fixture.Messages.size(), 2);
        QCOMPARE(TTempFolder::ReadFile(stored), before);
        QCOMPARE(Shown(frame), QSize(64, 48));

        // The Images tab shows it at its next rebuild, under the same name.
        QVERIFY(Shown(Frame(window->sbxImages, "pnlImageFrame0a2")).isEmpty());
        window->BuildImageFrames();
        QCOMPARE(Shown(Frame(window->sbxImages, "pnlImageFrame0a2")), QSize(64, 48));
    }

    void NamesNeverLeadOutOfImg() {
        TWindowFixture fixture;
        MakeImgFolder(fixture);
        auto window = fixture.StartOnDefaultSet();
        WhenDialogShows<TfrmEditCombi>([](TfrmEditCombi& dialog) {
            dialog.edCombiName->setText("../../x");
            dialog.btnOK->click();
        });
        window->btnAddCombi->click();
        TpnlImageFrame* frame = Frame(window->sbxImages, "pnlImageFrameCombi13");
        QCOMPARE(ImagesTab(*window).first(), QString("pnlImageFrameCombi13 ../../x"));
        QCOMPARE(frame->PictureFile(), PictureOf(fixture, *window, ".._.._x"));
        Pick(fixture, frame, MakePicture(fixture.Folder, "x.png", {30, 30}, Qt::cyan));
        QVERIFY(fixture.Messages.isEmpty());
        QVERIFY(std::filesystem::exists(PictureOf(fixture, *window, ".._.._x")));
        QCOMPARE(int(std::distance(std::filesystem::directory_iterator(fixture.Folder.File("Img")), {})), 1);

        // Two objects of one name share one picture, whichever locus or list they belong to.
        window->LocusList()[3]->Genes()[1]->Name = "../../x";
        window->BuildImageFrames();
        QCOMPARE(Shown(Frame(window->sbxImages, "pnlImageFrame3a1")), QSize(30, 30));
    }

    void EveryChangeRebuildsTheFramesAndNoneOutlivesItsObject() {
        TWindowFixture fixture;
        fixture.WriteDefaultSet("Serpentia.INI");
        fixture.Folder.Write("Boas.INI", "[Statistics]\r\nLocusCount=1\r\nLocus0GeneCount=2\r\n"
                                         "[LOCUS]\r\n0=Boa\r\n[Gene]\r\n0-0=bb:Boa\r\n0-1=++:Normal\r\n");
        auto window = fixture.Start();
        // A renamed gene shows under its new name, in the strip only once its locus is selected again.
        Select(window->lvLocusItems, 2);
        WhenDialogShows<TfrmEditGene>([](TfrmEditGene& dialog) {
            dialog.edGeneName->setText("Albino");
            dialog.btnOK->click();
        });
        window->btnEditGene->click();
        QCOMPARE(ImagesTab(*window).last(), QString("pnlImageFrame0a2 Albino"));
        QCOMPARE(Strip(*window).first(), QString("pnlImageFrame12@0 Amelanistic"));

        // Deleting what the strip shows empties it; the Images tab loses the frame.
        Select(window->lvCombiList, 11);
        window->btnDeleteCombi->click();
        QCOMPARE(Strip(*window), QStringList());
        QCOMPARE(ImagesTab(*window).size(), 26);
        QCOMPARE(ImagesTab(*window).first(), QString("pnlImageFrameCombi11 Sulfur"));
        Select(window->lvLocusList, 0);
        Select(window->lvLocusItems, 2);
        window->btnDeleteGene->click();
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrame13@0 Ultra", "pnlImageFrame14@222 Ultramel"}));
        QCOMPARE(ImagesTab(*window).last(), QString("pnlImageFrame0a3 Ultra"));
        Select(window->lvLocusList, 0);
        window->BtnDeleteLocus->click();
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrame11@0 Anerythristic"}));
        QCOMPARE(ImagesTab(*window).last(), QString("pnlImageFrame0a1 Anerythristic"));

        WhenDialogShows<TfrmEditCombi>([](TfrmEditCombi& dialog) { dialog.btnCancel->click(); });
        window->btnAddCombi->click();
        QCOMPARE(ImagesTab(*window).first(), QString("pnlImageFrameCombi11 Sulfur"));

        window->btnRestoreDefaults->click();
        QCOMPARE(ImagesTab(*window).size(), 27);
        WhenDialogShows<TfrmAddGene>([](TfrmAddGene& dialog) {
            dialog.edGeneName->setText("Beta");
            dialog.edID->setText("z");
            dialog.btnOK->click();
        });
        window->btnAddGene->click();
        QCOMPARE(ImagesTab(*window).mid(24),
                 QStringList({"pnlImageFrame0a9 UltraBeta", "pnlImageFrame0a8 AmelanisticBeta",
                              "pnlImageFrame0a6 Beta", "pnlImageFrame0a5 Ultramel", "pnlImageFrame0a4 Ultra",
                              "pnlImageFrame0a2 Amelanistic"}));
        PickGeneSet(*window, "Boas");
        QCOMPARE(ImagesTab(*window), QStringList({"pnlImageFrame0a0 Boa"}));
        QCOMPARE(Strip(*window), QStringList({"pnlImageFrame10@0 Boa"}));

        // Closing frees the gene set only after every frame is gone.
        window->close();
        QVERIFY(ImagesTab(*window).isEmpty());
        QCOMPARE(Strip(*window), QStringList());
    }
};

QTEST_MAIN(TPictureTests)
#include "PictureTests.moc"
