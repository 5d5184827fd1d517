#include "ui/kit/CoreText.h"

#include "model/Text.h"

#include <QLineEdit>
#include <QLocale>

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
    return CoreTextOf(edit, TTextEncoding::Utf8).value_or(ToCore(edit->text()));
}

std::optional<std::string> CoreTextOf(const QLineEdit* edit, TTextEncoding encoding) {
    const QByteArray stored = edit->property("coreText").toByteArray();
    const std::string bytes(stored.constData(), static_cast<size_t>(stored.size()));
    if (FromCore(bytes) == edit->text())
        return bytes;
    return EncodedText(ToCore(edit->text()), encoding);
}

QString FirstCharacterNotHeld(const QString& text, TTextEncoding encoding) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!EncodedText(ToCore(character), encoding))
            return character;
        i += length;
    }
    return {};
}

std::string DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? "." : ToCore(point);
}
