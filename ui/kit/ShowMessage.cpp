#include "ui/kit/ShowMessage.h"

#include <QApplication>
#include <QMessageBox>

namespace {

TMessageHandler& Handler() {
    static TMessageHandler handler;
    return handler;
}

TQuestionHandler& QuestionHandler() {
    static TQuestionHandler handler;
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

bool AskYesNo(const QString& text) {
    if (QuestionHandler())
        return QuestionHandler()(text);
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void SetMessageHandler(TMessageHandler handler) {
    Handler() = std::move(handler);
}

void SetQuestionHandler(TQuestionHandler handler) {
    QuestionHandler() = std::move(handler);
}
