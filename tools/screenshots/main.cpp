// tarvik-screenshots [--out DIR] [--list] [NAME...]: renders the README's and
// the manual's pictures (all of them, or the ones named) as PNG files into
// DIR (docs/screenshots by default when run from the source tree by
// scripts/screenshots).
#include "shots.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

using namespace tarvik::screenshots;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Folder for the pictures."),
        QStringLiteral("DIR"), QStringLiteral("."));
    const QCommandLineOption list(QStringLiteral("list"), QStringLiteral("List the pictures."));
    parser.addOptions({ out, list });
    parser.addPositionalArgument(QStringLiteral("NAME"), QStringLiteral("Pictures to make."));
    parser.process(app);

    if (parser.isSet(list)) {
        for (const Shot &shot : shots()) {
            std::printf("%s\t%s\n", qPrintable(shot.name), qPrintable(shot.about));
        }
        return 0;
    }
    ShotContext context { tarvik::gui::DataFolder::locate(QApplication::applicationDirPath()) };
    const QStringList wanted = parser.positionalArguments();
    QDir().mkpath(parser.value(out));
    int failures = 0;
    for (const Shot &shot : shots()) {
        if (!wanted.isEmpty() && !wanted.contains(shot.name)) {
            continue;
        }
        const QString file = QDir(parser.value(out)).filePath(shot.name + QStringLiteral(".png"));
        const QImage image = shot.render(context);
        if (image.isNull() || !image.save(file)) {
            std::fprintf(stderr, "could not make %s\n", qPrintable(file));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return failures == 0 ? 0 : 1;
}
