#include "cli/consolemessages.h"

#include "cli/texts.h"

#include <QStringList>

namespace pernoa::cli {
namespace {

void writeLine(std::FILE* out, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
    std::fputc('\n', out);
    std::fflush(out);
}

} // namespace

MsgAnswer ConsoleMessages::showMessage(const QString& text, const QString& title, MsgIcon icon,
                                       MsgButtons buttons) {
    Q_UNUSED(title);
    Q_UNUSED(buttons);
    if (icon == MsgIcon::Information && m_quietInformation)
        return MsgAnswer::Ok;
    // Only the program's own line breaks reach the terminal as such.
    QStringList lines = text.split(QStringLiteral("\r\n"));
    for (QString& line : lines)
        line = visibleText(line);
    writeLine(m_out, lines.join(u'\n'));
    return MsgAnswer::Ok;
}

void ConsoleMessages::explainError(const QString& cause) {
    writeLine(m_out, texts::line(visibleText(cause)));
}

} // namespace pernoa::cli
