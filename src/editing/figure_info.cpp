#include "editing/figure_info.h"

#include <QStringList>

namespace molvane {

namespace {

QString u(const char* text) { return QString::fromUtf8(text); }

QString yesNo(bool yes) { return yes ? u("あり") : u("なし"); }

QString sizeText(int sizeStep) { return sizeStep == 0 ? QStringLiteral("0") : QString::number(-sizeStep); }

QString kindLine(const TFigure& f)
{
    switch (f.kind) {
    case fkMoji: return u("フォント名 = ") + f.fontName;
    case fkFree: return u("点の個数 = ") + QString::number(f.points.size());
    case fkNuri: {
        QStringList around;
        for (QPoint p : f.points)
            around << QString::number(qint64(p.x()) + 1);
        return u("周囲の図形 = ") + (around.isEmpty() ? u("なし") : around.join(QStringLiteral(", ")));
    }
    case fkPicture: return u("画像ファイル名 = \"") + f.text + u("\"");
    default: return {};
    }
}

} // namespace

QString figureInformation(const TFigure& f, int number, const QString& name)
{
    const TColor colour = f.kind == fkNuri ? f.fillColor : f.penColor;
    QStringList lines{
        u("【 %1 】 %2").arg(number).arg(name),
        u("カーソル精度 = %1").arg(f.cursorPrecision),
        u("微動操作 = ") + yesNo(f.fineMoved),
        u("先端密着 = ") + yesNo(connectionMask(f) != 0),
        u("開始位置 X=%1, Y=%2").arg(f.ends[kMainStart].x()).arg(f.ends[kMainStart].y()),
        u("終了位置 X=%1, Y=%2").arg(f.ends[kMainEnd].x()).arg(f.ends[kMainEnd].y()),
        QString(),
        u("線幅 = %1").arg(f.lineWidth),
        u("形状 = %1").arg(f.shape),
        u("文字・画像サイズ = ") + sizeText(f.sizeStep),
        u("ペンスタイル = %1").arg(f.penStyle),
        u("色 R=%1, G=%2, B=%3").arg(colour & 0xFF).arg((colour >> 8) & 0xFF).arg((colour >> 16) & 0xFF),
    };
    if (const QString extra = kindLine(f); !extra.isEmpty())
        lines << extra;
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace molvane
