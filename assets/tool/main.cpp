// Draws every picture and the icon of the program and writes them into a folder, normally
// the assets folder of the source tree (the `draw-pictures` build target does that).
//
//   picture-tool [--font FILE] [--fit] FOLDER
//
// --font names the typeface file (by default the build's RESHALKIN_TYPEFACE, named in CMake);
// --fit prints, for each painted text, the pixel size and width scale that fill its box.

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "drawing.h"

int main(int argc, char* argv[]) {
    // Pictures only: no window system is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the pictures and the icon of Reshalkin.");
    parser.addHelpOption();
    parser.addOption({"font", "The typeface file.", "file", RESHALKIN_TYPEFACE});
    parser.addOption({"fit", "Print the text styles that fill the text boxes."});
    parser.addPositionalArgument("folder", "Where to write the pictures.");
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(1);

    try {
        const auto typeface = drawing::Typeface::load(parser.value("font"));
        if (parser.isSet("fit")) {
            drawing::printFittedStyles(typeface);
            return 0;
        }
        drawing::drawAll(typeface, QDir(parser.positionalArguments().front()));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "picture-tool: %s\n", error.what());
        return 1;
    }
    return 0;
}
