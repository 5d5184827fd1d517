// The About tab: version, picture, a word from the makers and the address to write to.
#pragma once

#include <QWidget>

class QLabel;

class TAboutTab : public QWidget {
    Q_OBJECT
public:
    explicit TAboutTab(QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Opens the breeder's mail program on a message to the makers.
    void WriteToMakers();

    QLabel* FContactLabel;
};
