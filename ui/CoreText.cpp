#include "ui/CoreText.h"

#include <QLineEdit>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromCp1252(const std::string& text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out.append(byte >= 0x80 && byte < 0xA0 ? QChar(Cp1252High[byte - 0x80]) : QChar(byte));
    }
    return out;
}

} // namespace

QString FromCore(const std::string& text) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString decoded = utf8.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError())
        return decoded;
    return FromCp1252(text);
}

std::string ToCore(const QString& text) {
    return text.toStdString();
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
