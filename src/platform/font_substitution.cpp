#include "platform/font_substitution.h"

#include <QFont>

namespace molvane {

namespace {

const char* const kSans = "Noto Sans CJK JP";
const char* const kSansMono = "Noto Sans Mono CJK JP";
const char* const kSerif = "Noto Serif CJK JP";

} // namespace

QList<FontSubstitute> windowsFontSubstitutes()
{
    return {
        {"ＭＳ Ｐゴシック", kSans},   {"ＭＳ ゴシック", kSansMono}, {"ＭＳ Ｐ明朝", kSerif},
        {"ＭＳ 明朝", kSerif},         {"MS PGothic", kSans},       {"MS Gothic", kSansMono},
        {"MS PMincho", kSerif},        {"MS Mincho", kSerif},       {"MS UI Gothic", kSans},
        {"メイリオ", kSans},           {"Meiryo", kSans},           {"Meiryo UI", kSans},
        {"Yu Gothic", kSans},          {"游ゴシック", kSans},       {"Yu Mincho", kSerif},
        {"游明朝", kSerif},            {"HGｺﾞｼｯｸE", kSans},         {"HG丸ｺﾞｼｯｸM-PRO", kSans},
        {"HG明朝E", kSerif},           {"HG正楷書体-PRO", kSerif},  {"Arial", "DejaVu Sans"},
        {"Times New Roman", "DejaVu Serif"}, {"Courier New", "DejaVu Sans Mono"},
        {"Symbol", "DejaVu Sans"},     {"System", kSans},
    };
}

void installFontSubstitutions()
{
    for (const FontSubstitute& s : windowsFontSubstitutes()) {
        const QString face = QString::fromUtf8(s.faceName);
        QStringList families{QString::fromUtf8(s.family)};
        if (families.first() != QLatin1String(kSans))
            families.append(QString::fromLatin1(kSans)); // Japanese glyphs for the Latin families
        QFont::insertSubstitutions(face, families);
    }
}

} // namespace molvane
