#include "typeface.h"

#include <QFileInfo>
#include <QTransform>
#include <stdexcept>

#include "failure.h"

namespace drawing {

Typeface Typeface::load(const QString& fileName) {
    if (!QFileInfo(fileName).isFile())
        throw failure(QStringLiteral("typeface file not found: %1").arg(fileName));
    QRawFont font(fileName, 1.0, QFont::PreferNoHinting);
    if (!font.isValid())
        throw failure(QStringLiteral("not a usable typeface file: %1").arg(fileName));
    return Typeface(font);
}

QPainterPath Typeface::outline(const QString& text, const TextStyle& style) const {
    QRawFont font = font_;
    font.setPixelSize(style.pixelSize);
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPainterPath path;
    double pen = 0.0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (glyphs[i] == 0 && !text[i].isSpace())
            throw failure(QStringLiteral("the typeface %1 has no letter for '%2' in \"%3\"")
                              .arg(font.familyName(), text.mid(i, 1), text));
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen, 0.0));
        pen += advances[i].x() + style.letterSpacing / style.widthScale;
    }
    return QTransform::fromScale(style.widthScale, 1.0).map(path);
}

}  // namespace drawing
