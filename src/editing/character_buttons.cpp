#include "editing/character_buttons.h"

#include "platform/cp932.h"

#include <array>

namespace molvane {

namespace {

constexpr int kCaptionBytes = 2;

constexpr std::array<const char*, 20> kDigitsAndSigns = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
                                                         "+", "-", "*", "/", "(", ")", "[", "]", "δ", "Δ"};

bool isBlank(QChar c)
{
    return c.unicode() <= u' ';
}

} // namespace

QString builtInCharacter(int number)
{
    if (number >= 1 && number <= 26)
        return QString(QChar(u'A' + (number - 1)));
    if (number >= 27 && number <= 52)
        return QString(QChar(u'a' + (number - 27)));
    if (number >= 53 && number <= kCharacterButtonCount)
        return QString::fromUtf8(kDigitsAndSigns[std::size_t(number - 53)]);
    return {};
}

QString characterButtonHintPrefix()
{
    return QString::fromUtf8("文字ボタン … 描画したい文字を指定します。右ｸﾘｯｸでボタンの内容を変更できます（短文も可）。【現在の内容】 ");
}

QString characterButtonHint(const QString& content)
{
    return characterButtonHintPrefix() + content;
}

QString contentFromHint(const QString& hint)
{
    QString content = hint;
    const qsizetype at = content.indexOf(characterButtonHintPrefix(), 0, Qt::CaseSensitive);
    if (at >= 0)
        content.remove(at, characterButtonHintPrefix().size());
    return trimBlanks(content);
}

QString characterButtonCaption(const QString& content)
{
    return fromCp932(cp932Prefix(content, kCaptionBytes));
}

bool isChangedContent(int number, const QString& content)
{
    // Two texts that encode alike are the same button content: the file keeps only the bytes.
    return toCp932(content) != toCp932(builtInCharacter(number));
}

QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace molvane
