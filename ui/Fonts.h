// The fonts the windows ask for, and the notice line both windows carry.
#pragma once

#include <QFont>
#include <QString>

// Maps the Windows family names the windows are laid out for onto metric-compatible
// fonts found on Linux desktops, and sets the default font (MS Sans Serif 8 pt).
void setUpFonts();

// A font of the given pixel size; an empty family keeps the default one.
QFont pixelFont(const QString &family, int pixels, bool bold = false, bool underline = false);

// The one-line notice with the maker, the product name and the version (Label5 of
// the main and the ticket window), and its font: red is up to the label.
QString noticeText();
QFont noticeFont();
