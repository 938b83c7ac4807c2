#pragma once

// The preview's item display elements as a log: what the item model asked of
// them, and the last look each kind was shown with.

#include "overlay/overlayitems.h"

#include <QStringList>

namespace pernoa::test {

struct RecordingDisplay : overlay::IOverlayDisplay {
    QStringList log;
    overlay::TextElementLook text;
    overlay::ImageElementLook image;

    void createElement(overlay::ItemKind kind, std::int16_t s) override { note("create", kind, s); }
    void destroyElement(overlay::ItemKind kind, std::int16_t s) override {
        note("destroy", kind, s);
    }
    void showTextElement(std::int16_t s, const overlay::TextElementLook& look) override {
        text = look;
        note("show", overlay::ItemKind::Text, s);
    }
    void showImageElement(std::int16_t s, const overlay::ImageElementLook& look) override {
        image = look;
        note("show", overlay::ItemKind::Image, s);
    }
    void moveElement(overlay::ItemKind kind, std::int16_t s, double left, double top) override {
        note("move", kind, s);
        (kind == overlay::ItemKind::Text ? text.left : image.left) = left;
        (kind == overlay::ItemKind::Text ? text.top : image.top) = top;
    }
    void hideElement(overlay::ItemKind kind, std::int16_t s) override { note("hide", kind, s); }

private:
    void note(const char* what, overlay::ItemKind kind, std::int16_t slot) {
        log << QStringLiteral("%1 %2 %3")
                   .arg(QLatin1String(what), kind == overlay::ItemKind::Text
                                                 ? QLatin1String("text")
                                                 : QLatin1String("image"))
                   .arg(slot);
    }
};

} // namespace pernoa::test
