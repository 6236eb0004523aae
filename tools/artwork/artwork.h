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

// Each adds its pictures drawn with `scale` image pixels per logical pixel (1, 2 or 3);
// the paths are those of the 1x files.
void addBrandArt(ArtworkFiles& files, int scale);   // title; application icon at scale 1 only
void addChromeArt(ArtworkFiles& files, int scale);  // buttons, switch, device list, strip, markers, arrows, check box
void addLevelArt(ArtworkFiles& files, int scale);   // the twelve level pictures
void addSpeakerArt(ArtworkFiles& files, int scale); // speaker, playing and waiting
void addHelpArt(ArtworkFiles& files, int scale);    // the four help pictures
