#include "ui/CoreText.h"

#include <QTest>

class TCoreTextTests : public QObject {
    Q_OBJECT
private slots:
    void Utf8IsDecodedAndRoundTrips() {
        const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC";
        QCOMPARE(FromCore(utf8), QString::fromUtf8("Café €"));
        QCOMPARE(ToCore(FromCore(utf8)), utf8);
    }
    void WindowsBytesFallBackToCp1252() {
        QCOMPARE(FromCore("Caf\xE9 \x80 \x93x\x94"), QString::fromUtf8("Café € “x”"));
        QCOMPARE(FromCore("plain"), QString("plain"));
        QCOMPARE(FromCore(std::string()), QString());
    }
};

QTEST_GUILESS_MAIN(TCoreTextTests)
#include "CoreTextTests.moc"
