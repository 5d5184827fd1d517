#include "ui/ShowMessage.h"

#include <QApplication>
#include <QMessageBox>

namespace {

TMessageHandler& Handler() {
    static TMessageHandler handler;
    return handler;
}

} // namespace

void ShowMessage(const QString& text) {
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SetMessageHandler(TMessageHandler handler) {
    Handler() = std::move(handler);
}
