// Every message of the application: a plain box with one OK button, captioned with the application title.
#pragma once

#include <QString>

#include <functional>

class QWidget;

void ShowMessage(const QString& text);

// Tests put their own handler in place so that no test ever waits on a modal box; an empty handler
// brings the message box back.
using TMessageHandler = std::function<void(const QString& text)>;
void SetMessageHandler(TMessageHandler handler);
