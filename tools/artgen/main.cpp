// Temparoka's picture and sound generator.
//
// Usage: temparoka_artgen <data folder>
// Writes every picture into <data folder>/pictures/, each also as
// <name>@2x.<ext> at twice the size for high-density screens, the desktop
// icon at the sizes desktops ask for into <data folder>/icons/, and the
// strike sound as <data folder>/tmk.wav. Everything is drawn from code with
// fixed random seeds, so a second run gives the same files.
#include "cards.h"
#include "icons.h"
#include "paintkit.h"
#include "scenes.h"
#include "sound.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <functional>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <data folder>\n", argv[0]);
        return 2;
    }
    const QString data = QString::fromLocal8Bit(argv[1]);
    const QString pics = QDir(data).filePath("pictures");
    if (!QDir().mkpath(pics)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(pics));
        return 1;
    }

    // Each picture is drawn at its designed size and again at twice the size;
    // the 2x file carries the same name with "@2x" before the extension.
    struct Picture {
        const char* name;
        bool jpeg;  // the paintings; the rest are PNG for their sharp edges or transparency
        std::function<QImage(int scale)> draw;
    };
    const Picture pictures[] = {
        {"background", true, [](int s) { return art::mainBackground(s); }},
        {"dream", true, [](int s) { return art::dreamBackground(s); }},
        {"death", true, [](int s) { return art::deathBackground(s); }},
        {"cardback", true, [](int s) { return art::cardBack(s); }},
        {"card_ks", true, [](int s) { return art::cardFace(art::Card::KingOfSpades, s); }},
        {"card_3d", true, [](int s) { return art::cardFace(art::Card::ThreeOfDiamonds, s); }},
        {"card_qc", true, [](int s) { return art::cardFace(art::Card::QueenOfClubs, s); }},
        {"card_as", true, [](int s) { return art::cardFace(art::Card::AceOfSpades, s); }},
        {"card_jh", true, [](int s) { return art::cardFace(art::Card::JackOfHearts, s); }},
        {"flags", false, [](int s) { return art::flags(s); }},
        {"icon_program", false, [](int s) { return art::programIcon(s); }},
        {"icon_about", false, [](int s) { return art::aboutIcon(s); }},
        {"temparoka", false, [](int s) { return art::desktopIcon(128 * s); }},
        {"icon_output", false, [](int s) { return art::outputIcon(s); }},
        {"icon_dream", false, [](int s) { return art::dreamIcon(s); }},
    };
    int failures = 0;
    auto write = [&failures](const QImage& img, const QString& file, bool jpeg) {
        if (!(jpeg ? art::saveJpeg(img, file) : art::savePng(img, file))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("wrote %s\n", qPrintable(file));
        }
    };
    for (const Picture& pic : pictures) {
        for (int scale : {1, 2}) {
            const QString name =
                QString::fromLatin1(pic.name) + (scale == 1 ? "" : "@2x") + (pic.jpeg ? ".jpg" : ".png");
            write(pic.draw(scale), QDir(pics).filePath(name), pic.jpeg);
        }
    }
    // the desktop icon at the sizes menus, panels and launchers ask for
    const QString icons = QDir(data).filePath("icons");
    if (!QDir().mkpath(icons)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(icons));
        return 1;
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        write(art::desktopIcon(size), QDir(icons).filePath(QString("temparoka-%1.png").arg(size)), false);

    const QString wav = QDir(data).filePath("tmk.wav");
    std::string error;
    if (!art::writeGong(wav.toStdString(), error)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(wav), error.c_str());
        ++failures;
    } else {
        std::printf("wrote %s\n", qPrintable(wav));
    }
    return failures == 0 ? 0 : 1;
}
