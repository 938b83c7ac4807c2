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

    void createTextElement(std::int16_t s) override { note("create text", s); }
    void createImageElement(std::int16_t s) override { note("create image", s); }
    void destroyTextElement(std::int16_t s) override { note("destroy text", s); }
    void destroyImageElement(std::int16_t s) override { note("destroy image", s); }
    void showTextElement(std::int16_t s, const overlay::TextElementLook& look) override {
        text = look;
        note("show text", s);
    }
    void showImageElement(std::int16_t s, const overlay::ImageElementLook& look) override {
        image = look;
        note("show image", s);
    }
    void hideTextElement(std::int16_t s) override { note("hide text", s); }
    void hideImageElement(std::int16_t s) override { note("hide image", s); }

private:
    void note(const char* what, std::int16_t slot) {
        log << QStringLiteral("%1 %2").arg(QLatin1String(what)).arg(slot);
    }
};

} // namespace pernoa::test
