#include "engine/consolemessages.h"

namespace pernoa {
namespace {

void writeLine(std::FILE* out, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
    std::fputc('\n', out);
    std::fflush(out);
}

} // namespace

QString visibleText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

MsgAnswer ConsoleMessages::showMessage(const QString& text, const QString& title, MsgIcon icon,
                                       MsgButtons buttons) {
    Q_UNUSED(title);
    Q_UNUSED(buttons);
    if (icon == MsgIcon::Information && m_quietInformation)
        return MsgAnswer::Ok;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    writeLine(m_out, plain);
    return MsgAnswer::Ok;
}

void ConsoleMessages::explainError(const QString& cause) {
    writeLine(m_out, QStringLiteral("pernoa: ") + visibleText(cause));
}

} // namespace pernoa
