#include "artwork.h"
#include "painting.h"
#include "palette.h"

namespace {

const int iconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

} // namespace

QByteArray emblemSvg(bool withTile)
{
    // A crescent moon ("lune") holding an eighth note, on a round sea-blue disc.
    // The occluding disc uses the same user-space gradient as the background disc,
    // so the moon reads as a clean crescent on any scale.
    const char* scale = withTile ? "0.74" : "1";
    QByteArray svg;
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
           "  <defs>\n"
           "    <linearGradient id=\"tile\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"256\" gradientUnits=\"userSpaceOnUse\">\n"
           "      <stop offset=\"0\" stop-color=\"#56636b\"/>\n"
           "      <stop offset=\"1\" stop-color=\"#353d42\"/>\n"
           "    </linearGradient>\n"
           "    <linearGradient id=\"sea\" x1=\"40\" y1=\"24\" x2=\"216\" y2=\"232\" gradientUnits=\"userSpaceOnUse\">\n"
           "      <stop offset=\"0\" stop-color=\"#64b2e2\"/>\n"
           "      <stop offset=\"1\" stop-color=\"#2b6791\"/>\n"
           "    </linearGradient>\n"
           "    <linearGradient id=\"gold\" x1=\"0\" y1=\"70\" x2=\"0\" y2=\"180\" gradientUnits=\"userSpaceOnUse\">\n"
           "      <stop offset=\"0\" stop-color=\"#f6d27a\"/>\n"
           "      <stop offset=\"1\" stop-color=\"#d99e32\"/>\n"
           "    </linearGradient>\n"
           "  </defs>\n";
    if (withTile)
        svg += "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"54\" fill=\"url(#tile)\"/>\n";
    svg += "  <g transform=\"translate(128 128) scale(";
    svg += scale;
    svg += ") translate(-128 -128)\">\n"
           "    <circle cx=\"128\" cy=\"128\" r=\"124\" fill=\"url(#sea)\"/>\n"
           "    <circle cx=\"128\" cy=\"128\" r=\"116\" fill=\"none\" stroke=\"#ffffff\" stroke-opacity=\"0.18\" stroke-width=\"3\"/>\n"
           "    <circle cx=\"116\" cy=\"132\" r=\"76\" fill=\"#d0efff\"/>\n"
           "    <circle cx=\"152\" cy=\"108\" r=\"66\" fill=\"url(#sea)\"/>\n"
           "    <g fill=\"url(#gold)\">\n"
           "      <ellipse cx=\"136\" cy=\"158\" rx=\"19\" ry=\"14\" transform=\"rotate(-24 136 158)\"/>\n"
           "      <rect x=\"148\" y=\"72\" width=\"8\" height=\"86\" rx=\"2\"/>\n"
           "      <path d=\"M148 72 C152 92 184 98 180 130 C178 112 164 104 152 102 Z\"/>\n"
           "    </g>\n"
           "  </g>\n"
           "</svg>\n";
    return svg;
}

void addBrandArt(ArtworkFiles& files, int scale)
{
    // Title: emblem and word mark, light on the header's slate.
    QImage title = transparentImage(632, 102, scale);
    {
        QPainter p(&title);
        prepare(p);
        drawSvg(p, emblemSvg(false), QRectF(4, 4, 94, 94));
        QFont font = uiFont(70);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        p.setFont(font);
        p.setPen(Palette::ice);
        p.drawText(QRectF(124, 0, 500, 102), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Ovelune"));
    }
    files.append({QStringLiteral("title.png"), title, {}});
    // The icons come in sizes of their own, chosen by the desktop: no scaled variants.
    if (scale != 1)
        return;

    const QByteArray icon = emblemSvg(true);
    files.append({QStringLiteral("ovelune.svg"), {}, icon});
    for (int size : iconSizes) {
        QImage image = transparentImage(size, size, 1);
        QPainter p(&image);
        prepare(p);
        drawSvg(p, icon, QRectF(0, 0, size, size));
        p.end();
        files.append({QStringLiteral("icons/ovelune_%1.png").arg(size), image, {}});
    }
}
