// Temparoka's picture and sound generator.
//
// Usage: temparoka_artgen <data folder>
// Writes every picture into <data folder>/pictures/ and the strike sound as
// <data folder>/tmk.wav. Everything is drawn from code with fixed random
// seeds, so a second run gives the same files.
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

    struct Job {
        const char* name;
        std::function<bool(const QString&)> write;
    };
    const Job jobs[] = {
        {"background.jpg", [](const QString& f) { return art::saveJpeg(art::mainBackground(), f); }},
        {"dream.jpg", [](const QString& f) { return art::saveJpeg(art::dreamBackground(), f); }},
        {"death.jpg", [](const QString& f) { return art::saveJpeg(art::deathBackground(), f); }},
        {"cardback.jpg", [](const QString& f) { return art::saveJpeg(art::cardBack(), f); }},
        {"card_ks.jpg", [](const QString& f) { return art::saveJpeg(art::cardFace(art::Card::KingOfSpades), f); }},
        {"card_3d.jpg", [](const QString& f) { return art::saveJpeg(art::cardFace(art::Card::ThreeOfDiamonds), f); }},
        {"card_qc.jpg", [](const QString& f) { return art::saveJpeg(art::cardFace(art::Card::QueenOfClubs), f); }},
        {"card_as.jpg", [](const QString& f) { return art::saveJpeg(art::cardFace(art::Card::AceOfSpades), f); }},
        {"card_jh.jpg", [](const QString& f) { return art::saveJpeg(art::cardFace(art::Card::JackOfHearts), f); }},
        {"flags.png", [](const QString& f) { return art::savePng(art::flags(), f); }},
        {"icon_program.png", [](const QString& f) { return art::savePng(art::programIcon(), f); }},
        {"temparoka.png", [](const QString& f) { return art::savePng(art::desktopIcon(), f); }},
        {"icon_output.png", [](const QString& f) { return art::savePng(art::outputIcon(), f); }},
        {"icon_dream.png", [](const QString& f) { return art::savePng(art::dreamIcon(), f); }},
    };
    int failures = 0;
    for (const Job& job : jobs) {
        const QString file = QDir(pics).filePath(job.name);
        if (!job.write(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("wrote %s\n", qPrintable(file));
        }
    }
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
