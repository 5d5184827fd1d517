// Puts a top-level window's outer frame - border and title bar included - where it was saved.
#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// Qt sizes a window without its frame, and a window manager adds the frame only once the window is on
// screen; placed before that, a window would grow by its frame at every start. So the window is placed at
// once with the frame it has, and again when it is first shown with the frame it then has.
class TFramePlacement : public QObject {
    Q_OBJECT
public:
    explicit TFramePlacement(QWidget* window);

    // `frame` is the outer geometry as frameGeometry() gave it when it was saved; a value of 0 or less
    // keeps the window's own left, top, width or height.
    void Place(const QRect& frame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply();

    QWidget* FWindow;
    QRect FFrame;
    bool FUntilShown = false;
};
