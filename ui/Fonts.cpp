#include "Fonts.h"

#include <QApplication>

void setUpFonts()
{
    // Liberation Sans and Serif share the metrics of Arial and Times New Roman,
    // so texts break and clip where the layout expects them to.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

QFont pixelFont(const QString &family, int pixels, bool bold, bool underline)
{
    QFont font = QApplication::font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QString noticeText()
{
    // Fits the 429-pixel line both windows leave for it.
    return QStringLiteral("© Дорвиан-Софт, 2006. «Дорвиан» v.2006.8");
}

QFont noticeFont()
{
    return pixelFont(QStringLiteral("Times New Roman"), 19, true);
}
