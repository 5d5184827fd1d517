#include "ui/kit/FramePlacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

TFramePlacement::TFramePlacement(QWidget* window) : QObject(window), FWindow(window) {
    window->installEventFilter(this);
}

void TFramePlacement::Place(const QRect& frame) {
    FFrame = frame;
    FUntilShown = !FWindow->isVisible();
    Apply();
}

void TFramePlacement::Apply() {
    const QRect now = FWindow->frameGeometry();
    FWindow->move(FFrame.x() > 0 ? FFrame.x() : now.x(), FFrame.y() > 0 ? FFrame.y() : now.y());
    const int width =
        FFrame.width() > 0 ? FFrame.width() - (now.width() - FWindow->width()) : FWindow->width();
    const int height =
        FFrame.height() > 0 ? FFrame.height() - (now.height() - FWindow->height()) : FWindow->height();
    FWindow->resize(std::max(width, 1), std::max(height, 1));
}

bool TFramePlacement::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched == FWindow && FUntilShown && FWindow->windowHandle())
        FWindow->windowHandle()->installEventFilter(this);
    // Exposed, the window stands in the frame the window manager gave it.
    if (event->type() == QEvent::Expose && FUntilShown && watched == FWindow->windowHandle() &&
        FWindow->windowHandle()->isExposed()) {
        FUntilShown = false;
        Apply();
    }
    return QObject::eventFilter(watched, event);
}
