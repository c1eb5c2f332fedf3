// The RTF reader on any bytes, and the writer's output read back.
#include "editor/EditorModel.h"
#include "editor/RtfReader.h"
#include "editor/RtfWriter.h"
#include "tests/fuzz/FuzzCheck.h"
#include "unit/Error.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace tarnwick;

namespace {

// Whether text[i] is the CR or the LF of a line break: the writer gives a break no colour of its own.
bool InBreak(const std::string& text, std::size_t i) {
    return (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ||
           (text[i] == '\n' && i > 0 && text[i - 1] == '\r');
}

// What WriteRtf writes, ReadRtf reads back: the same text and, outside line breaks, the same colours.
void CheckRoundTrip(const std::string& text, const std::vector<Colour>& colours, const std::string& font) {
    const std::string rtf = WriteRtf(text, colours, font, 10);
    const RtfDocument back = ReadRtf(rtf);
    FUZZ_CHECK(back.text == text);
    FUZZ_CHECK(back.colours.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!InBreak(text, i)) FUZZ_CHECK(PlainColour(back.colours[i]) == PlainColour(colours[i]));
}

void ReadAsRtf(std::string_view bytes) {
    for (RtfColourRoles roles : {RtfColourRoles::None, RtfColourRoles::FirstThreeEntries}) {
        RtfDocument doc;
        try {
            doc = ReadRtf(bytes, roles);
        } catch (const Error&) {
            continue;  // not RTF, or nested too deeply: the caller reports it
        }
        FUZZ_CHECK(doc.colours.size() == doc.text.size());
        CheckRoundTrip(doc.text, doc.colours, "Courier New");
    }
    // The model loads it the same way, or not at all.
    EditorModel model;
    try {
        model.LoadFromBytes(bytes);
    } catch (const Error&) {
        FUZZ_CHECK(model.Length() == 0);
    }
    FUZZ_CHECK(model.Check());
    EditorModel copy;
    copy.LoadFromRtf(model.SaveToRtf());
    FUZZ_CHECK(copy.Text() == model.Text());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    if (in.ConsumeBool()) {
        const std::string bytes = in.ConsumeRemainingBytesAsString();
        ReadAsRtf(bytes);
        return 0;
    }
    // Any text with colours from a small palette, the window-text colour and the roles' colours among them.
    static const Colour kPalette[] = {kWindowTextColour, kBlack, 0x00800000, 0x00008000, 0x000000FF,
                                      WithRole(0x00800000, ColourRole::Functions),
                                      WithRole(0x00008000, ColourRole::Comments), 0x00FFFFFF};
    const std::string font = in.ConsumeRandomLengthString(40);
    // The model's text: every line break is CR LF, as the reader makes every break it reads.
    EditorModel model;
    model.SetText(in.ConsumeRandomLengthString(4096));
    const std::string text(model.Text());
    std::vector<Colour> colours;
    for (std::size_t i = 0; i < text.size(); ++i)
        colours.push_back(kPalette[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kPalette) - 1)]);
    CheckRoundTrip(text, colours, font);
    return 0;
}
