#include "working_file.h"

#include "numtext.h"
#include "textfile.h"

namespace vectrim {

bool writesettings(const std::string& file, WorkingData& data) {
    AtomicTextFile out(file);
    out.line(numberText(data.inchConverted));
    out.line(numberText(data.wizardChoice));
    out.line(numberText(int64_t{0}));
    out.line(data.reduceText);
    out.line(data.gapText);
    out.line(data.smoothText);
    out.line("30");
    out.line("1");
    out.line(numberText(data.top));
    out.line(numberText(data.left));
    if (out.commit()) return true;
    data.resetTolerances();
    return false;
}

bool loaddats(const std::string& file, WorkingData& data) {
    auto fail = [&] {
        data.top = 200;
        data.left = 200;
        data.resetTolerances();
        return false;
    };
    LineReader in(file);
    if (!in.isOpen()) return fail();
    std::string line[10];
    for (int k = 0; k < 10; ++k) {
        if (!in.next(line[k])) {
            // Values before the failing line were taken over as read.
            if (k > 0) {
                if (auto v = toInt16(val(line[0]))) data.inchConverted = *v;
            }
            if (k > 1) {
                if (auto v = toInt16(val(line[1]))) data.wizardChoice = *v;
            }
            return fail();
        }
    }
    const auto inch = toInt16(val(line[0]));
    if (!inch) return fail();
    data.inchConverted = *inch;
    const auto wizard = toInt16(val(line[1]));
    if (!wizard) return fail();
    data.wizardChoice = *wizard;
    const auto top = toInt32(val(line[8]));
    const auto left = toInt32(val(line[9]));
    if (!top || !left) return fail();
    data.reduceText = line[3];
    data.gapText = line[4];
    data.smoothText = line[5];
    data.top = *top;
    data.left = *left;
    return true;
}

} // namespace vectrim
