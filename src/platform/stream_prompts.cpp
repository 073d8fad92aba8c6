#include "platform/stream_prompts.h"

namespace molvane {

Answer StreamPrompts::message(const QString& text, MessageType, MessageButtons buttons, const QString&)
{
    ++messages_;
    // A box's line breaks are CR LF; one message is one line of output.
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(out_, "molvane: %s\n", line.toLocal8Bit().constData());
    std::fflush(out_);
    return cautiousAnswer(buttons);
}

} // namespace molvane
