#include "MessageArt.h"

#include "BitmapFont.h"
#include "Motifs.h"

MessageArt::Bytes MessageArt::messageIcon(MessageIcon icon) const
{
    Raster image = ink.canvas(16, 14);
    switch (icon) {
    case MessageIcon::Unread:
        Motifs::envelope(image, 0, 2, 16, 11, ink.white, ink.grey + 4);
        image.fillEllipse(11, 0, 5, 5, Paint::solid(ink.orange));
        break;
    case MessageIcon::Read:
        image.fillPolygon({{0, 6}, {8, 0}, {16, 6}}, Paint::solid(ink.grey + 1));
        image.fillRect(0, 6, 16, 8, Paint::solid(ink.grey + 4));
        image.fillRect(1, 6, 14, 7, Paint::solid(ink.white));
        image.drawLine(1, 7, 7, 11, ink.grey + 3);
        image.drawLine(14, 7, 8, 11, ink.grey + 3);
        break;
    case MessageIcon::Sent:
        Motifs::envelope(image, 0, 3, 12, 9, ink.white, ink.grey + 4);
        image.fillPolygon({{10, 3}, {16, 7}, {10, 11}}, Paint::solid(ink.green));
        break;
    case MessageIcon::Draft:
        Motifs::envelope(image, 0, 3, 13, 10, ink.white, ink.grey + 4);
        image.drawLine(8, 11, 15, 2, ink.yellow, 2);
        image.set(8, 12, ink.dark);
        break;
    case MessageIcon::Outbox:
        Motifs::envelope(image, 0, 4, 13, 10, ink.white, ink.grey + 4);
        image.fillPolygon({{10, 4}, {13, 0}, {16, 4}}, Paint::solid(ink.orange));
        image.fillRect(12, 4, 2, 4, Paint::solid(ink.orange));
        break;
    }
    return ink.still(image);
}

MessageArt::Bytes MessageArt::inputMode(const std::string& label) const
{
    Raster image = ink.canvas(24, 11);
    image.fillRoundRect(0, 0, 24, 11, 3, Paint::solid(ink.glassEdge));
    image.fillRoundRect(1, 1, 22, 9, 2, Paint::solid(ink.glass + 5));
    BitmapFont::draw(image, 12 - BitmapFont::textWidth(label) / 2, 2, label, ink.white);
    return ink.still(image);
}

MessageArt::Bytes MessageArt::contactIcon(ContactIcon icon) const
{
    Raster image = ink.canvas(16, 14);
    switch (icon) {
    case ContactIcon::Mobile:
        image.fillRoundRect(4, 0, 8, 14, 2, Paint::solid(ink.grey + 1));
        image.fillRect(5, 2, 6, 5, Paint::solid(ink.cyan + 1));
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                image.set(5 + column * 2, 9 + row * 2, ink.dark);
        break;
    case ContactIcon::Home:
        image.fillPolygon({{8, 0}, {16, 7}, {0, 7}}, Paint::solid(ink.red));
        image.fillRect(2, 7, 12, 7, Paint::solid(ink.paper));
        image.fillRect(7, 9, 3, 5, Paint::solid(ink.brown));
        break;
    case ContactIcon::Work:
        image.fillRect(5, 1, 6, 3, Paint::solid(ink.brown));
        image.fillRect(6, 2, 4, 2, Paint::solid(ink.clear));
        image.fillRoundRect(0, 4, 16, 10, 2, Paint::solid(ink.brown));
        image.fillRect(0, 8, 16, 1, Paint::solid(ink.dark));
        image.fillRect(7, 7, 2, 3, Paint::solid(ink.yellow));
        break;
    case ContactIcon::Email:
        image.fillEllipse(0, 0, 15, 14, Paint::solid(ink.cyanEdge));
        image.fillEllipse(2, 2, 11, 10, Paint::solid(ink.clear));
        image.fillEllipse(5, 4, 6, 6, Paint::solid(ink.cyanEdge));
        image.fillEllipse(7, 6, 2, 2, Paint::solid(ink.clear));
        image.fillRect(10, 5, 2, 6, Paint::solid(ink.cyanEdge));
        break;
    case ContactIcon::Group:
        Motifs::person(image, 6, 0, 10, ink.grey + 2);
        Motifs::person(image, 0, 3, 11, ink.white);
        break;
    }
    return ink.still(image);
}
