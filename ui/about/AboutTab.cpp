#include "ui/about/AboutTab.h"

#include "ui/kit/Pictures.h"

#include <QCursor>
#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
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

TAboutTab::TAboutTab(QWidget* parent) : QWidget(parent) {
    auto* versionLabel = new QLabel("Zygora version 3.1.A", this);
    versionLabel->setObjectName("VersionLabel");
    QFont bold = versionLabel->font();
    bold.setBold(true);
    versionLabel->setFont(bold);
    versionLabel->move(256, 51);
    versionLabel->adjustSize();

    auto* picture = new QLabel(this);
    picture->setObjectName("AboutPicture");
    picture->setGeometry(32, 49, 201, 245);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap::fromImage(JpegResource(":/about/snake.jpg")));

    auto* words = new QPlainTextEdit(AboutText, this);
    words->setObjectName("AboutTextView");
    words->setReadOnly(true);
    words->setGeometry(256, 70, 457, 194);

    FContactLabel = new QLabel(ContactAddress, this);
    FContactLabel->setObjectName("ContactLabel");
    QPalette link = FContactLabel->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Link));
    FContactLabel->setPalette(link);
    FContactLabel->move(80, 312);
    FContactLabel->adjustSize();
    FContactLabel->setMouseTracking(true);
    FContactLabel->installEventFilter(this);
}

bool TAboutTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == FContactLabel && event->type() == QEvent::MouseMove)
        FContactLabel->setCursor(Qt::PointingHandCursor);
    if (watched == FContactLabel && event->type() == QEvent::MouseButtonRelease)
        WriteToMakers();
    return QWidget::eventFilter(watched, event);
}

void TAboutTab::WriteToMakers() {
    QDesktopServices::openUrl(QUrl("mailto:" + ContactAddress));
}
