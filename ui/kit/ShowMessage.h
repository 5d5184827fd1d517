// Every message of the application: a plain box with one OK button, captioned with the application title;
// and the few questions it asks, in a box of the same kind with Yes and No.
#pragma once

#include <QString>

#include <functional>

class QWidget;

void ShowMessage(const QString& text);
// True when the user answers Yes; No is the default button, so Enter alone changes nothing.
bool AskYesNo(const QString& text);

// Tests put their own handlers in place so that no test ever waits on a modal box; an empty handler
// brings the box back.
using TMessageHandler = std::function<void(const QString& text)>;
void SetMessageHandler(TMessageHandler handler);
using TQuestionHandler = std::function<bool(const QString& text)>;
void SetQuestionHandler(TQuestionHandler handler);
