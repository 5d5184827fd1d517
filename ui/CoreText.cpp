#include "ui/CoreText.h"

#include "model/Text.h"

#include <QLineEdit>

QString FromCore(const std::string& text) {
    return QString::fromStdString(Utf8Of(text));
}

std::string ToCore(const QString& text) {
    return text.toStdString();
}

bool SameTextIgnoringCase(const QString& a, const QString& b) {
    return SameTextIgnoringCase(ToCore(a), ToCore(b));
}

void SetCoreText(QLineEdit* edit, const std::string& text) {
    const QString shown = FromCore(text);
    edit->setProperty("coreText", QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    edit->setText(shown);
}

std::string CoreTextOf(const QLineEdit* edit) {
    const QByteArray stored = edit->property("coreText").toByteArray();
    const std::string bytes(stored.constData(), static_cast<size_t>(stored.size()));
    return FromCore(bytes) == edit->text() ? bytes : ToCore(edit->text());
}
