// The About tab of the main window: version, picture, a word from the makers and the contact address.
#include "ui/uFrmMain.h"

#include "ui/Pictures.h"

#include <QCursor>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QUrl>

namespace {

const QString ContactAddress = "zygora@example.org";

const char* const AboutText = "Zygora predicts what might come of the pairings you plan.\n"
                              "Its results are predictions only; no rights can be derived from them.\n"
                              "\n"
                              "We made Zygora for our own use and are glad to share it.\n"
                              "Pass it on among friends, but do not use it to make money.\n"
                              "\n"
                              "Our thanks go to the breeder who first explained to us\n"
                              "how several genes can share one locus.\n"
                              "\n"
                              "Have you bred an interesting new colour morph? Send us a picture,\n"
                              "or just drop us an e-mail.\n"
                              "\n"
                              "November, 2005\n"
                              "The Zygora team";

} // namespace

void TfrmMain::BuildAboutTab() {
    tsAbout = AddTab(new QWidget(pcMain), "tsAbout", "About");

    Label5 = new QLabel("Zygora version 3.1.A", tsAbout);
    Label5->setObjectName("Label5");
    QFont bold = Label5->font();
    bold.setBold(true);
    Label5->setFont(bold);
    Label5->move(256, 51);
    Label5->adjustSize();

    Image1 = new QLabel(tsAbout);
    Image1->setObjectName("Image1");
    Image1->setGeometry(32, 49, 201, 245);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap::fromImage(JpegResource(":/about/snake.jpg")));

    Memo1 = new QPlainTextEdit(AboutText, tsAbout);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setGeometry(256, 70, 457, 194);

    lbEmail = new QLabel(ContactAddress, tsAbout);
    lbEmail->setObjectName("lbEmail");
    QPalette blue = lbEmail->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    lbEmail->setPalette(blue);
    lbEmail->move(80, 312);
    lbEmail->adjustSize();
    lbEmail->setMouseTracking(true);
    lbEmail->installEventFilter(this);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lbEmail && event->type() == QEvent::MouseMove)
        lbEmail->setCursor(Qt::PointingHandCursor);
    if (watched == lbEmail && event->type() == QEvent::MouseButtonRelease)
        lbEmailClick();
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::lbEmailClick() {
    QDesktopServices::openUrl(QUrl("mailto:" + ContactAddress));
}
