// The settings files' text layer: any bytes decode from code page 932, cut
// into lines and into values of every kind, and whatever is decoded encodes
// again; nothing hangs, however the quotes and line ends fall.

#include "files/cp932.h"
#include "files/fields.h"
#include "files/fileio.h"
#include "fuzzcheck.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace pernoa;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = cp932::decode(bytes);
    // Re-encoding a decoded file and decoding it again changes nothing more.
    const QByteArray again = cp932::encode(text);
    FUZZ_CHECK(cp932::decode(cp932::encode(cp932::decode(again))) == cp932::decode(again));

    {
        QBuffer buffer;
        buffer.setData(bytes);
        clsFileIO file;
        FUZZ_CHECK(file.M_boOpen(buffer, false));
        qsizetype lines = 0;
        while (!file.M_boEof()) {
            const QString line = file.M_stGetLine();
            for (std::int32_t i = 0; i <= 14; ++i)
                stGetField(line, i);
            FUZZ_CHECK(++lines <= text.size() + 1);
        }
        file.M_Close();
    }
    {
        // A text record, then an image record, until the values run out: the
        // value reader must always move on.
        QBuffer buffer;
        buffer.setData(bytes);
        clsFileIO file;
        FUZZ_CHECK(file.M_boOpen(buffer, false));
        QString s;
        std::int32_t x = 0, y = 0;
        std::int16_t size16 = 0;
        double d = 0;
        qsizetype records = 0;
        while (file.ReadDelimitedValue(s, x, y, s, size16, s, s, s, s) &&
               file.ReadDelimitedValue(x, y, s, size16, d))
            FUZZ_CHECK(++records <= text.size() + 1);
        file.M_Close();
    }
    return 0;
}
