#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QVector>

// One file of the artwork: a picture to save as PNG, or ready bytes (the SVG icon).
struct ArtworkFile {
    QString path; // relative to res/
    QImage image;
    QByteArray bytes;
};

using ArtworkFiles = QVector<ArtworkFile>;

// The emblem (moon and note) as SVG text; the icon, the title and the help page share it.
QByteArray emblemSvg(bool withTile);

void addBrandArt(ArtworkFiles& files);   // title, application icon
void addChromeArt(ArtworkFiles& files);  // buttons, switch, device list, strip, markers, arrows, check box
void addLevelArt(ArtworkFiles& files);   // the twelve level pictures
void addSpeakerArt(ArtworkFiles& files); // speaker, playing and waiting
void addHelpArt(ArtworkFiles& files);    // the four help pictures
