// Draws every picture the program carries and writes them into one folder,
// from which the resources library is built:
//   artwork OUTDIR [--sheets SHEETDIR]
#include "Artwork.h"
#include "DialGeometry.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

QString pick(const QStringList &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &f : families)
        if (installed.contains(f))
            return f;
    std::fprintf(stderr, "artwork: none of the fonts %s is installed; falling back\n",
                 qPrintable(families.join(QStringLiteral(", "))));
    return families.value(0);
}

int fail(const QString &message)
{
    std::fprintf(stderr, "artwork: %s\n", qPrintable(message));
    return 1;
}

} // namespace

QString Art::sansFamily()
{
    static const QString f = pick({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return f;
}

QString Art::narrowFamily()
{
    static const QString f = pick({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed"),
                                   QStringLiteral("Liberation Sans")});
    return f;
}

QString Art::serifFamily()
{
    static const QString f = pick({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    return f;
}

int main(int argc, char **argv)
{
    // Runs during the build, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--sheets")))
        return fail(QStringLiteral("usage: artwork OUTDIR [--sheets SHEETDIR]"));
    const QDir out(args[1]);
    if (!QDir().mkpath(out.path()))
        return fail(QStringLiteral("cannot create %1").arg(out.path()));

    QString error;
    for (int n = 0; n < DialGeometry::FrameCount; ++n) {
        const QString name = QStringLiteral("frame%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
        if (!Art::writeJpeg(Art::dialFrame(n), out.filePath(name), 94, &error))
            return fail(error);
    }
    if (!Art::writeJpeg(Art::banner(), out.filePath(QStringLiteral("banner.jpg")), 92, &error))
        return fail(error);

    QList<Art::NamedImage> pngs;
    pngs.append({QStringLiteral("car"), Art::carPicture()});
    pngs.append({QStringLiteral("icon"), Art::programIcon()});
    for (int s = 0; s < 4; ++s)
        pngs.append({QStringLiteral("status%1").arg(s), Art::statusIcon(s)});
    for (int m = 0; m < 3; ++m)
        pngs.append({QStringLiteral("mark%1").arg(m), Art::markIcon(m)});
    pngs.append(Art::glyphs());
    for (const Art::NamedImage &png : pngs) {
        const QString path = out.filePath(png.name + QStringLiteral(".png"));
        if (!png.image.save(path, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(path));
    }

    if (args.size() == 4 && !Art::writeContactSheets(out.path(), args[3], &error))
        return fail(error);
    return 0;
}
