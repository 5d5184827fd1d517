#include "ui/kit/FramePlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
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
    const int frameWidth = now.width() - FWindow->width();
    const int frameHeight = now.height() - FWindow->height();
    QRect frame(FFrame.x() > 0 ? FFrame.x() : now.x(), FFrame.y() > 0 ? FFrame.y() : now.y(),
                FFrame.width() > 0 ? FFrame.width() : now.width(),
                FFrame.height() > 0 ? FFrame.height() : now.height());
    // A place kept from a larger screen or from a screen no longer there, or the first start's size on a
    // small screen, still fits the screen it is shown on.
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (screen == nullptr)
        screen = FWindow->screen();
    if (screen != nullptr) {
        const QRect room = screen->availableGeometry();
        frame.setSize(frame.size().boundedTo(room.size()));
        frame.moveLeft(std::clamp(frame.left(), room.left(), room.left() + room.width() - frame.width()));
        frame.moveTop(std::clamp(frame.top(), room.top(), room.top() + room.height() - frame.height()));
    }
    FWindow->move(frame.topLeft());
    FWindow->resize(std::max(frame.width() - frameWidth, 1), std::max(frame.height() - frameHeight, 1));
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
