#include "platform/prompts.h"

namespace molvane {

Answer cautiousAnswer(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return Answer::Ok;
    case MessageButtons::YesNo: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString messageCaption(MessageType type)
{
    switch (type) {
    case MessageType::Warning: return QStringLiteral("警告");
    case MessageType::Error: return QStringLiteral("エラー");
    case MessageType::Information: return QStringLiteral("情報");
    case MessageType::Confirmation: return QStringLiteral("確認");
    }
    return {};
}

QString describe(MessageType type)
{
    switch (type) {
    case MessageType::Warning: return QStringLiteral("warning");
    case MessageType::Error: return QStringLiteral("error");
    case MessageType::Information: return QStringLiteral("information");
    case MessageType::Confirmation: return QStringLiteral("confirmation");
    }
    return {};
}

QString describe(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QStringLiteral("OK");
    case MessageButtons::OkCancel: return QStringLiteral("OK/Cancel");
    case MessageButtons::YesNo: return QStringLiteral("Yes/No");
    case MessageButtons::YesCancel: return QStringLiteral("Yes/Cancel");
    case MessageButtons::YesNoCancel: return QStringLiteral("Yes/No/Cancel");
    }
    return {};
}

QString describe(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QStringLiteral("OK");
    case Answer::Cancel: return QStringLiteral("Cancel");
    case Answer::Yes: return QStringLiteral("Yes");
    case Answer::No: return QStringLiteral("No");
    }
    return {};
}

QString describe(BeepKind kind)
{
    switch (kind) {
    case BeepKind::Default: return QStringLiteral("default");
    case BeepKind::Information: return QStringLiteral("information");
    case BeepKind::Warning: return QStringLiteral("warning");
    case BeepKind::Asterisk: return QStringLiteral("asterisk");
    case BeepKind::Exclamation: return QStringLiteral("exclamation");
    }
    return {};
}

QStringList qtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        const QString desc = parts[i].trimmed();
        // A description that already shows its patterns keeps them; Qt reads the parentheses.
        if (desc.endsWith(QLatin1Char(')')) && desc.contains(QLatin1Char('(')))
            out.append(desc.left(desc.lastIndexOf(QLatin1Char('('))) + QLatin1Char('(') +
                       patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
        else
            out.append(desc + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return out;
}

} // namespace molvane
