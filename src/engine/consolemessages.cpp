#include "engine/consolemessages.h"

namespace pernoa {

MsgAnswer ConsoleMessages::showMessage(const QString& text, const QString& title, MsgIcon icon,
                                       MsgButtons buttons) {
    Q_UNUSED(title);
    Q_UNUSED(buttons);
    ++m_shown;
    if (icon != MsgIcon::Information)
        ++m_errors;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QByteArray bytes = plain.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), m_out);
    std::fputc('\n', m_out);
    std::fflush(m_out);
    return MsgAnswer::Ok;
}

} // namespace pernoa
